#include "framework/layout/FormReader.h"

#include "framework/app/ResStrings.h"
#include "framework/controls/Control.h"
#include "framework/core/Collection.h"
#include "framework/core/ComponentRegistry.h"
#include "framework/core/Exceptions.h"
#include "framework/layout/Reader.h"
#include "framework/streams/ResourceStream.h"
#include "nls/GuiText.h"

#include <QMetaEnum>
#include <QMetaProperty>
#include <QPointer>

#include <cctype>

namespace {

// Finds the defined property being read and hands it the reader.
class TDefinedPropertyReader : public TFiler
{
public:
    TDefinedPropertyReader(TReader& reader, const std::string& name)
        : m_reader(reader)
        , m_name(name)
    { }

    void DefineProperty(
        const std::string& name, const TReadProc& readProc, const TWriteProc&, bool) override
    {
        if (m_found || name != m_name)
            return;
        m_found = true;
        if (readProc)
            readProc(m_reader);
        else
            m_reader.SkipValue();
    }
    bool IsReading() const override { return true; }
    bool Found() const { return m_found; }

private:
    TReader& m_reader;
    const std::string& m_name;
    bool m_found = false;
};

std::string Split(const std::string& path, size_t& from)
{
    const size_t dot = path.find('.', from);
    std::string part = path.substr(from, dot == std::string::npos ? std::string::npos : dot - from);
    from = dot == std::string::npos ? path.size() : dot + 1;
    return part;
}

class TLayoutLoader
{
public:
    TLayoutLoader(TReader& reader, TComponentBase& root)
        : m_reader(reader)
        , m_root(root)
    { }

    void Load()
    {
        m_reader.ReadSignature();
        const TObjectHeader header = m_reader.ReadObjectHeader();
        const QString rootClass = m_root.ClassName();
        if (QString::fromStdString(header.className) != rootClass)
            throw EFilerError(FormatResString(
                SLayoutClassMismatch, header.className, tankora::QStringToAnsi(rootClass)));
        const unsigned savedState = m_root.ComponentState();
        const QString savedName = m_root.Name();
        try {
            m_root.SetLoading(true);
            m_root.SetName(tankora::AnsiToQString(header.objectName));
            m_loaded.push_back(&m_root);
            ReadProperties(m_root.Object(), m_root.Name());
            while (!m_reader.EndOfList())
                ReadChild(m_root.Object(), 1);
            m_reader.ReadListEnd();
            ResolveReferences();
        } catch (...) {
            // Free what this read created, newest first; restore the root's flags.
            for (auto it = m_created.rbegin(); it != m_created.rend(); ++it)
                delete it->data();
            m_root.SetLoading((savedState & csLoading) != 0);
            m_root.SetName(savedName);
            throw;
        }
        for (TComponentBase* component : m_loaded)
            component->Loaded();
    }

private:
    struct TReference
    {
        QPointer<QObject> target;
        QMetaProperty property;
        QString name;
        std::string context;
    };

    void ReadChild(QObject* enclosing, int depth)
    {
        if (depth > kMaxNestingDepth)
            throw EReadError(LoadResString(SInvalidImage));
        const TObjectHeader header = m_reader.ReadObjectHeader();
        TComponentBase* component
            = CreateComponent(tankora::AnsiToQString(header.className), &m_root);
        m_created.push_back(QPointer<QObject>(component->Object()));
        component->SetLoading(true);
        m_loaded.push_back(component);
        try {
            component->SetName(tankora::AnsiToQString(header.objectName));
        } catch (const EComponentError& error) {
            throw EComponentReadError(header.objectName, error.what());
        }
        if (TControl* control = AsControl(component->Object()))
            if (auto* parent = qobject_cast<QWidget*>(enclosing))
                control->SetParent(parent);
        ReadProperties(component->Object(), component->Name());
        while (!m_reader.EndOfList())
            ReadChild(component->Object(), depth + 1);
        m_reader.ReadListEnd();
    }

    void ReadProperties(QObject* instance, const QString& componentName)
    {
        while (!m_reader.EndOfList()) {
            const std::string path = m_reader.ReadStr();
            const std::string context = tankora::QStringToAnsi(componentName) + "." + path;
            try {
                ReadProperty(instance, path, context);
            } catch (const EComponentReadError&) {
                throw; // wrapped already
            } catch (const EStreamError& error) {
                throw EComponentReadError(context, error.what());
            } catch (const EComponentError& error) {
                throw EComponentReadError(context, error.what());
            } catch (const EResNotFound& error) {
                throw EComponentReadError(context, error.what());
            }
        }
        m_reader.ReadListEnd();
    }

    // Reads the value of the property at path ("Font.Name") of instance.
    void ReadProperty(QObject* instance, const std::string& path, const std::string& context)
    {
        QObject* target = instance;
        size_t from = 0;
        std::string part = Split(path, from);
        while (from < path.size()) {
            const QMetaProperty property = FindProperty(target, part);
            QObject* sub = property.isValid() ? property.read(target).value<QObject*>() : nullptr;
            if (!sub)
                throw EReadError(FormatResString(SUnknownProperty, part));
            target = sub;
            part = Split(path, from);
        }
        if (TPersistent* persistent = AsPersistent(target)) {
            TDefinedPropertyReader finder(m_reader, part);
            persistent->DefineProperties(finder);
            if (finder.Found())
                return;
        }
        const QMetaProperty property = FindProperty(target, part);
        if (property.isValid()) {
            ReadValue(target, property, context);
            return;
        }
        const QString event = QString::fromStdString(part);
        TComponentBase* owner = AsComponent(target);
        if (owner && event.startsWith(QLatin1String("On")) && owner->EventNames().contains(event)) {
            owner->SetEventHandler(
                event, m_root.Object(), tankora::AnsiToQString(m_reader.ReadIdent()));
            return;
        }
        throw EReadError(FormatResString(SUnknownProperty, part));
    }

    static QMetaProperty FindProperty(QObject* target, const std::string& name)
    {
        const QMetaObject* meta = target->metaObject();
        const QMetaProperty property = meta->property(meta->indexOfProperty(name.c_str()));
        return IsPublishedProperty(property) ? property : QMetaProperty();
    }

    void ReadValue(QObject* target, const QMetaProperty& property, const std::string& context)
    {
        QVariant value;
        const QMetaType type = property.metaType();
        if (property.isFlagType()) {
            std::string keys;
            for (const std::string& name : m_reader.ReadSet())
                keys += (keys.empty() ? "" : "|") + name;
            bool ok = true;
            const int bits
                = keys.empty() ? 0 : property.enumerator().keysToValue(keys.c_str(), &ok);
            if (!ok)
                throw EReadError(LoadResString(SInvalidPropertyValue));
            value = bits;
        } else if (property.isEnumType()) {
            const std::string ident = m_reader.ReadIdent();
            bool ok = false;
            const int number = property.enumerator().keyToValue(ident.c_str(), &ok);
            if (!ok)
                throw EReadError(FormatResString(SInvalidPropertyValueOf, ident));
            value = number;
        } else if (type.id() == QMetaType::Bool) {
            value = m_reader.ReadBoolean();
        } else if (type.id() == QMetaType::Int) {
            value = ReadIntegerOrIdent(property);
        } else if (type.id() == QMetaType::Double) {
            value = m_reader.ReadFloat();
        } else if (type.id() == QMetaType::QString) {
            value = m_reader.ReadQString();
        } else if (type.id() == QMetaType::QByteArray) {
            value = m_reader.ReadBinary();
        } else if (type.flags().testFlag(QMetaType::PointerToQObject)) {
            ReadObjectValue(target, property, context);
            return;
        } else {
            m_reader.SkipValue();
            throw EReadError(FormatResString(SUnsupportedPropertyType, type.name()));
        }
        if (!property.write(target, value))
            throw EReadError(LoadResString(SInvalidPropertyValue));
    }

    int ReadIntegerOrIdent(const QMetaProperty& property)
    {
        if (m_reader.NextValue() != TValueType::vaIdent)
            return m_reader.ReadInteger();
        const std::string ident = m_reader.ReadIdent();
        const QString name = QString::fromLatin1(property.name());
        int value = 0;
        if (name.endsWith(QLatin1String("Color"))
            && IdentToColor(QString::fromStdString(ident), value))
            return value;
        if (name == QLatin1String("Charset")
            && IdentToCharset(QString::fromStdString(ident), value))
            return value;
        throw EReadError(FormatResString(SInvalidPropertyValueOf, ident));
    }

    void ReadObjectValue(QObject* target, const QMetaProperty& property, const std::string& context)
    {
        QObject* current = property.read(target).value<QObject*>();
        switch (m_reader.NextValue()) {
        case TValueType::vaNil:
            m_reader.ReadIdent();
            if (!property.write(target, QVariant::fromValue<QObject*>(nullptr)))
                throw EReadError(LoadResString(SInvalidPropertyValue));
            return;
        case TValueType::vaIdent:
            m_references.push_back(
                { target, property, tankora::AnsiToQString(m_reader.ReadIdent()), context });
            return;
        case TValueType::vaCollection:
            if (auto* collection = qobject_cast<TCollection*>(current)) {
                ReadCollection(*collection, context);
                return;
            }
            [[fallthrough]];
        default:
            throw EReadError(LoadResString(SInvalidPropertyValue));
        }
    }

    void ReadCollection(TCollection& collection, const std::string& context)
    {
        m_reader.ReadValue();
        collection.Clear();
        while (!m_reader.EndOfList()) {
            const TValueType next = m_reader.NextValue();
            if (next == TValueType::vaInt8 || next == TValueType::vaInt16
                || next == TValueType::vaInt32)
                m_reader.ReadInteger(); // the stored index; items keep their stored order
            m_reader.ReadListBegin();
            TCollectionItem* item = collection.Add();
            while (!m_reader.EndOfList()) {
                const std::string name = m_reader.ReadStr();
                const QMetaProperty property = FindProperty(item, name);
                if (!property.isValid())
                    throw EReadError(FormatResString(SUnknownProperty, name));
                ReadValue(item, property, context);
            }
            m_reader.ReadListEnd();
        }
        m_reader.ReadListEnd();
    }

    void ResolveReferences()
    {
        for (const TReference& reference : m_references) {
            if (!reference.target)
                continue;
            TComponentBase* found = reference.name.compare(m_root.Name(), Qt::CaseInsensitive) == 0
                ? &m_root
                : m_root.FindComponent(reference.name);
            if (!found
                || !reference.property.write(
                    reference.target, QVariant::fromValue(found->Object())))
                throw EComponentReadError(reference.context,
                    FormatResString(SComponentNotFound, tankora::QStringToAnsi(reference.name)));
        }
    }

    TReader& m_reader;
    TComponentBase& m_root;
    std::vector<TComponentBase*> m_loaded;
    std::vector<QPointer<QObject>> m_created;
    std::vector<TReference> m_references;
};

} // namespace

void ReadComponent(TStream& stream, TComponentBase& root)
{
    TReader reader(stream);
    TLayoutLoader(reader, root).Load();
}

void ReadComponentResource(TComponentBase& root, const std::string& name)
{
    TResourceStream stream(name, kRcData);
    ReadComponent(stream, root);
}
