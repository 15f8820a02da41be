// The component model. A non-visual component is a TComponent (a QObject);
// a control is a QWidget that also derives TControl. Both share this small
// non-Qt base:
//  - an owner and the ordered list of owned components (ownership order is
//    creation order). This list, not the QObject tree, says who frees whom
//    and which components belong to a form; the Qt parent of a control is
//    only its visual parent.
//  - Name, kept equal to objectName (published as the Q_PROPERTY "Name").
//  - state flags: loading (while a stored layout is read), designing (while
//    a form is stored the way a form designer stores it), destroying.
//  - Loaded(), DefineProperties(filer) and free notification.
//  - the names of the handlers connected to its events, so that a live
//    component tree can be stored again.
#pragma once

#include "framework/core/Persistent.h"

#include <QMetaObject>
#include <QObject>
#include <QString>

#include <vector>

enum TComponentStateFlag : unsigned { csLoading = 1, csDesigning = 2, csDestroying = 4 };
enum class TOperation { opInsert, opRemove };

class TComponentBase : public TPersistent
{
public:
    // Inserts the new component into owner's list (when there is one).
    explicit TComponentBase(TComponentBase* owner);
    TComponentBase(const TComponentBase&) = delete;
    TComponentBase& operator=(const TComponentBase&) = delete;
    // Tells the components that asked for free notification, frees the
    // owned components (last first) and leaves the owner's list.
    ~TComponentBase() override;

    // The QObject this component is. Not available inside constructors and
    // destructors of this base.
    QObject* Object() const;
    const QMetaObject* MetaObject() const;
    QString ClassName() const;

    TComponentBase* Owner() const { return m_owner; }
    int ComponentCount() const { return static_cast<int>(m_components.size()); }
    // The owned component at index; EListError outside 0 .. count-1.
    TComponentBase* Components(int index) const;
    // This component's index in its owner's list; -1 without an owner.
    int ComponentIndex() const;
    // The owned component with the name (letter case ignored), or null.
    TComponentBase* FindComponent(const QString& name) const;
    // Takes ownership of component (leaving its previous owner's list).
    void InsertComponent(TComponentBase* component);
    // Gives up ownership of component without freeing it.
    void RemoveComponent(TComponentBase* component);

    QString Name() const { return m_name; }
    // A name is empty or an identifier (letter or '_', then letters, digits,
    // '_') unique among the owner's components, letter case ignored;
    // otherwise EComponentError and nothing changes.
    void SetName(const QString& name);

    unsigned ComponentState() const { return m_state; }
    bool IsLoading() const { return (m_state & csLoading) != 0; }
    bool IsDesigning() const { return (m_state & csDesigning) != 0; }
    bool IsDestroying() const { return (m_state & csDestroying) != 0; }
    void SetLoading(bool loading);
    // Sets or clears the designing flag here and on every owned component.
    void SetDesigning(bool designing);
    // Marks this component as being destroyed; derived destructors call it
    // first so that handlers running during destruction can tell.
    void Destroying();

    // Called once the whole stored layout that created this component has
    // been read. Clears the loading flag; overrides call the base.
    virtual void Loaded();
    // Declares the extra stored properties (name, reader, writer) of this
    // component on the filer. The base declares none.
    void DefineProperties(TFiler& filer) override;

    // Asks that watcher be told (Notification(this, opRemove)) when this
    // component is destroyed, and the other way round.
    void FreeNotification(TComponentBase* watcher);
    void RemoveFreeNotification(TComponentBase* watcher);
    // Told when an owned component is inserted or removed, or when a
    // component that asked for free notification is destroyed.
    virtual void Notification(TComponentBase* component, TOperation operation);

    // Connects the event (a signal whose name starts with "On", such as
    // "OnClick") to the slot named handler of target (the root form); an
    // empty handler disconnects. Raises EComponentError naming the event or the
    // handler when either does not exist.
    void SetEventHandler(const QString& event, QObject* target, const QString& handler);
    // The handler's name connected to event, or empty.
    QString EventHandler(const QString& event) const;
    // The names of this component's events in declaration order.
    QStringList EventNames() const;

private:
    struct TEventLink
    {
        QString event;
        QString handler;
        QMetaObject::Connection connection;
    };

    void Unlink(TComponentBase* other);

    TComponentBase* m_owner = nullptr;
    std::vector<TComponentBase*> m_components;
    std::vector<TComponentBase*> m_freeNotifies;
    std::vector<TEventLink> m_events;
    QString m_name;
    unsigned m_state = 0;
};

// The component interface of obj, or null when obj is no component.
TComponentBase* AsComponent(QObject* obj);

// The published "Name" property of every component class.
#define TANKORA_COMPONENT_PROPERTIES Q_PROPERTY(QString Name READ Name WRITE SetName)

// The base of non-visual components.
class TComponent : public QObject, public TComponentBase
{
    Q_OBJECT
    TANKORA_COMPONENT_PROPERTIES

public:
    explicit TComponent(TComponentBase* owner = nullptr);
};
