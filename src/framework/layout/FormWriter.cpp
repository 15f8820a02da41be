#include "framework/layout/FormWriter.h"

#include "framework/controls/Control.h"
#include "framework/core/Collection.h"
#include "framework/core/ComponentRegistry.h"
#include "framework/layout/Writer.h"
#include "nls/GuiText.h"

#include <QMetaEnum>
#include <QMetaProperty>

#include <cstring>
#include <map>
#include <memory>

namespace {

// Hands the writer to every defined property that has data.
class TDefinedPropertyWriter : public TFiler
{
public:
    TDefinedPropertyWriter(TWriter& writer, const std::string& prefix)
        : m_writer(writer)
        , m_prefix(prefix)
    { }

    void DefineProperty(const std::string& name, const TReadProc&, const TWriteProc& writeProc,
        bool hasData) override
    {
        if (!hasData || !writeProc)
            return;
        m_writer.WriteStr(m_prefix + name);
        writeProc(m_writer);
    }
    bool IsReading() const override { return false; }

private:
    TWriter& m_writer;
    const std::string& m_prefix;
};

int RawInt(const QVariant& value)
{
    int number = 0;
    if (value.metaType().sizeOf() == sizeof(int))
        std::memcpy(&number, value.constData(), sizeof number);
    else
        number = value.toInt();
    return number;
}

// Clears the designing flag again however the write ends.
class TDesigningScope
{
public:
    explicit TDesigningScope(TComponentBase& root)
        : m_root(root)
        , m_was(root.IsDesigning())
    {
        m_root.SetDesigning(true);
    }
    ~TDesigningScope() { m_root.SetDesigning(m_was); }
    TDesigningScope(const TDesigningScope&) = delete;
    TDesigningScope& operator=(const TDesigningScope&) = delete;

private:
    TComponentBase& m_root;
    bool m_was;
};

class TLayoutWriter
{
public:
    TLayoutWriter(TWriter& writer, TComponentBase& root)
        : m_writer(writer)
        , m_root(root)
    { }

    void Write()
    {
        TDesigningScope designing(m_root);
        m_writer.WriteSignature();
        WriteObject(m_root);
    }

private:
    void WriteObject(TComponentBase& component)
    {
        m_writer.WriteObjectHeader(tankora::QStringToAnsi(component.ClassName()),
            tankora::QStringToAnsi(component.Name()));
        QObject* obj = component.Object();
        WriteProperties(obj, Reference(obj->metaObject()), "");
        for (const QString& event : component.EventNames()) {
            const QString handler = component.EventHandler(event);
            if (!handler.isEmpty()) {
                m_writer.WriteStr(tankora::QStringToAnsi(event));
                m_writer.WriteIdent(tankora::QStringToAnsi(handler));
            }
        }
        m_writer.WriteListEnd();
        for (int i = 0; i < m_root.ComponentCount(); ++i) {
            TComponentBase* child = m_root.Components(i);
            if (child != &component && IsPlacedIn(*child, component))
                WriteObject(*child);
        }
        m_writer.WriteListEnd();
    }

    // Whether child is written inside container: controls inside their
    // visual parent, everything else inside the root.
    bool IsPlacedIn(TComponentBase& child, TComponentBase& container) const
    {
        TControl* control = AsControl(child.Object());
        QWidget* parent = control ? control->Parent() : nullptr;
        if (!parent)
            return &container == &m_root;
        return parent == container.Object();
    }

    // A new object of the nearest registered class, for default values.
    QObject* Reference(const QMetaObject* meta)
    {
        for (; meta; meta = meta->superClass()) {
            const QString name = QString::fromLatin1(meta->className());
            if (!IsClassRegistered(name))
                continue;
            auto& slot = m_references[name];
            if (!slot)
                slot.reset(CreateComponent(name, nullptr)->Object());
            return slot.get();
        }
        return nullptr;
    }

    void WriteProperties(QObject* obj, QObject* reference, const std::string& prefix)
    {
        const TPersistent* persistent = AsPersistent(obj);
        const bool isComponent = AsComponent(obj) != nullptr;
        const QMetaObject* meta = obj->metaObject();
        for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            const char* name = property.name();
            if (!IsPublishedProperty(property) || (isComponent && std::strcmp(name, "Name") == 0)
                || !property.isStored() || !property.isWritable()
                || (persistent && !persistent->IsPropertyStored(name)))
                continue;
            if (std::strcmp(name, "Font") == 0 && obj->property("ParentFont").toBool())
                continue;
            const QVariant value = property.read(obj);
            const QVariant defaultValue = reference ? reference->property(name) : QVariant();
            const std::string path = prefix + name;
            if (property.metaType().flags().testFlag(QMetaType::PointerToQObject)) {
                WriteObjectProperty(value.value<QObject*>(), defaultValue.value<QObject*>(), path);
                continue;
            }
            if (defaultValue.isValid() && value == defaultValue)
                continue;
            m_writer.WriteStr(path);
            WriteValue(property, value);
        }
        if (TPersistent* defining = AsPersistent(obj)) {
            TDefinedPropertyWriter filer(m_writer, prefix);
            defining->DefineProperties(filer);
        }
    }

    void WriteObjectProperty(QObject* value, QObject* defaultValue, const std::string& path)
    {
        if (!value)
            return;
        if (auto* collection = qobject_cast<TCollection*>(value)) {
            if (collection->Count() > 0) {
                m_writer.WriteStr(path);
                WriteCollection(*collection);
            }
        } else if (TComponentBase* component = AsComponent(value)) {
            m_writer.WriteStr(path);
            m_writer.WriteIdent(tankora::QStringToAnsi(component->Name()));
        } else {
            WriteProperties(value, defaultValue, path + ".");
        }
    }

    void WriteCollection(TCollection& collection)
    {
        m_writer.WriteValue(TValueType::vaCollection);
        const std::unique_ptr<TCollectionItem> reference = collection.NewDetachedItem();
        for (int i = 0; i < collection.Count(); ++i) {
            m_writer.WriteListBegin();
            WriteProperties(collection.Items(i), reference.get(), "");
            m_writer.WriteListEnd();
        }
        m_writer.WriteListEnd();
    }

    void WriteValue(const QMetaProperty& property, const QVariant& value)
    {
        const QString name = QString::fromLatin1(property.name());
        if (property.isFlagType()) {
            const QByteArray keys = property.enumerator().valueToKeys(RawInt(value));
            std::vector<std::string> names;
            for (const QByteArray& key : keys.split('|'))
                if (!key.isEmpty())
                    names.push_back(key.toStdString());
            m_writer.WriteSet(names);
        } else if (property.isEnumType()) {
            m_writer.WriteIdent(property.enumerator().valueToKey(RawInt(value)));
        } else if (property.metaType().id() == QMetaType::Bool) {
            m_writer.WriteBoolean(value.toBool());
        } else if (property.metaType().id() == QMetaType::Int) {
            const int number = value.toInt();
            const QString ident = name.endsWith(QLatin1String("Color")) ? ColorToIdent(number)
                : name == QLatin1String("Charset")                      ? CharsetToIdent(number)
                                                                        : QString();
            if (ident.isEmpty())
                m_writer.WriteInteger(number);
            else
                m_writer.WriteIdent(ident.toStdString());
        } else if (property.metaType().id() == QMetaType::Double) {
            m_writer.WriteFloat(value.toDouble());
        } else if (property.metaType().id() == QMetaType::QByteArray) {
            m_writer.WriteBinary(value.toByteArray());
        } else {
            m_writer.WriteQString(value.toString());
        }
    }

    TWriter& m_writer;
    TComponentBase& m_root;
    std::map<QString, std::unique_ptr<QObject>> m_references;
};

} // namespace

void WriteComponent(TStream& stream, TComponentBase& root)
{
    TWriter writer(stream);
    TLayoutWriter(writer, root).Write();
}
