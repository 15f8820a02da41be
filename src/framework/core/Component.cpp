#include "framework/core/Component.h"

#include "framework/app/ResStrings.h"
#include "framework/core/CrossCast.h"
#include "framework/core/Exceptions.h"
#include "nls/GuiText.h"

#include <QMetaMethod>
#include <algorithm>

namespace {

bool IsIdentifier(const QString& name)
{
    if (name.isEmpty())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        if (!letter && !(i > 0 && c >= '0' && c <= '9'))
            return false;
    }
    return true;
}

} // namespace

TComponentBase::TComponentBase(TComponentBase* owner)
{
    if (owner)
        owner->InsertComponent(this);
}

TComponentBase::~TComponentBase()
{
    m_state |= csDestroying;
    while (!m_freeNotifies.empty()) {
        TComponentBase* other = m_freeNotifies.back();
        Unlink(other);
        other->Notification(this, TOperation::opRemove);
    }
    while (!m_components.empty())
        delete m_components.back(); // its destructor leaves this list
    if (m_owner)
        m_owner->RemoveComponent(this);
}

QObject* TComponentBase::Object() const
{
    return tankora::CrossCast<QObject>(const_cast<TComponentBase*>(this));
}

const QMetaObject* TComponentBase::MetaObject() const
{
    const QObject* obj = Object();
    return obj ? obj->metaObject() : nullptr;
}

QString TComponentBase::ClassName() const
{
    const QMetaObject* meta = MetaObject();
    return meta ? QString::fromLatin1(meta->className()) : QString();
}

TComponentBase* TComponentBase::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        throw EListError::IndexOutOfBounds(index);
    return m_components[static_cast<size_t>(index)];
}

int TComponentBase::ComponentIndex() const
{
    if (!m_owner)
        return -1;
    const auto& list = m_owner->m_components;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponentBase* TComponentBase::FindComponent(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    for (TComponentBase* component : m_components)
        if (component->m_name.compare(name, Qt::CaseInsensitive) == 0)
            return component;
    return nullptr;
}

void TComponentBase::InsertComponent(TComponentBase* component)
{
    if (!component || component->m_owner == this)
        return;
    if (!component->m_name.isEmpty() && FindComponent(component->m_name))
        throw EComponentError(
            FormatResString(SDuplicateName, tankora::QStringToAnsi(component->m_name)));
    if (component->m_owner)
        component->m_owner->RemoveComponent(component);
    m_components.push_back(component);
    component->m_owner = this;
    Notification(component, TOperation::opInsert);
}

void TComponentBase::RemoveComponent(TComponentBase* component)
{
    const auto it = std::find(m_components.begin(), m_components.end(), component);
    if (it == m_components.end())
        return;
    m_components.erase(it);
    component->m_owner = nullptr;
    Notification(component, TOperation::opRemove);
}

void TComponentBase::SetName(const QString& name)
{
    if (name == m_name)
        return;
    if (!name.isEmpty() && !IsIdentifier(name))
        throw EComponentError(FormatResString(SInvalidName, tankora::QStringToAnsi(name)));
    if (m_owner && !name.isEmpty()) {
        TComponentBase* same = m_owner->FindComponent(name);
        if (same && same != this)
            throw EComponentError(FormatResString(SDuplicateName, tankora::QStringToAnsi(name)));
    }
    m_name = name;
    if (QObject* obj = Object())
        obj->setObjectName(name);
}

void TComponentBase::SetLoading(bool loading)
{
    m_state = loading ? (m_state | csLoading) : (m_state & ~csLoading);
}

void TComponentBase::SetDesigning(bool designing)
{
    m_state = designing ? (m_state | csDesigning) : (m_state & ~csDesigning);
    for (TComponentBase* component : m_components)
        component->SetDesigning(designing);
}

void TComponentBase::Destroying()
{
    m_state |= csDestroying;
}

void TComponentBase::Loaded()
{
    SetLoading(false);
}

void TComponentBase::DefineProperties(TFiler&) { }

void TComponentBase::FreeNotification(TComponentBase* watcher)
{
    if (!watcher || watcher == this)
        return;
    if (std::find(m_freeNotifies.begin(), m_freeNotifies.end(), watcher) == m_freeNotifies.end())
        m_freeNotifies.push_back(watcher);
    auto& back = watcher->m_freeNotifies;
    if (std::find(back.begin(), back.end(), this) == back.end())
        back.push_back(this);
}

void TComponentBase::RemoveFreeNotification(TComponentBase* watcher)
{
    if (watcher)
        Unlink(watcher);
}

void TComponentBase::Unlink(TComponentBase* other)
{
    std::erase(m_freeNotifies, other);
    std::erase(other->m_freeNotifies, this);
}

void TComponentBase::Notification(TComponentBase*, TOperation) { }

void TComponentBase::SetEventHandler(const QString& event, QObject* target, const QString& handler)
{
    QObject* self = Object();
    const QMetaObject* meta = self->metaObject();
    int signalIndex = -1;
    for (int i = 0; i < meta->methodCount() && signalIndex < 0; ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal
            && QString::fromLatin1(method.name()) == event && event.startsWith(QLatin1String("On")))
            signalIndex = i;
    }
    if (signalIndex < 0)
        throw EComponentError(FormatResString(
            SNoEvent, tankora::QStringToAnsi(ClassName()), tankora::QStringToAnsi(event)));
    const QMetaMethod signal = meta->method(signalIndex);

    QMetaMethod slot;
    if (!handler.isEmpty()) {
        const QMetaObject* targetMeta = target ? target->metaObject() : nullptr;
        for (int i = 0; targetMeta && i < targetMeta->methodCount(); ++i) {
            const QMetaMethod method = targetMeta->method(i);
            if (method.methodType() == QMetaMethod::Slot
                && QString::fromLatin1(method.name()) == handler
                && QMetaObject::checkConnectArgs(signal, method)) {
                slot = method;
                break;
            }
        }
        if (!slot.isValid())
            throw EComponentError(FormatResString(SHandlerNotFound, tankora::QStringToAnsi(handler),
                tankora::QStringToAnsi(m_name), tankora::QStringToAnsi(event)));
    }

    auto it = std::find_if(m_events.begin(), m_events.end(),
        [&](const TEventLink& link) { return link.event == event; });
    if (it != m_events.end()) {
        QObject::disconnect(it->connection);
        m_events.erase(it);
    }
    if (slot.isValid())
        m_events.push_back({ event, handler, QObject::connect(self, signal, target, slot) });
}

QString TComponentBase::EventHandler(const QString& event) const
{
    for (const TEventLink& link : m_events)
        if (link.event == event)
            return link.handler;
    return {};
}

QStringList TComponentBase::EventNames() const
{
    QStringList names;
    const QMetaObject* meta = MetaObject();
    for (int i = 0; meta && i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        const QString name = QString::fromLatin1(method.name());
        if (method.methodType() == QMetaMethod::Signal && name.startsWith(QLatin1String("On"))
            && !names.contains(name))
            names.append(name);
    }
    return names;
}

TComponentBase* AsComponent(QObject* obj)
{
    return tankora::CrossCast<TComponentBase>(obj);
}

TComponent::TComponent(TComponentBase* owner)
    : QObject(nullptr)
    , TComponentBase(owner)
{ }
