// Lists of text lines with an optional object attached to each line
// (published by controls as Items and Lines). Changes emit Changed(),
// collected into one signal between BeginUpdate() and EndUpdate(). A list
// is stored in layouts as the defined property "Strings" (a list of
// strings).
#pragma once

#include "framework/core/Persistent.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class TStrings : public QObject, public TPersistent
{
    Q_OBJECT

public:
    explicit TStrings(QObject* parent = nullptr);

    int Count() const { return static_cast<int>(m_lines.size()); }
    // The line at index; EListError outside 0 .. Count-1 (as for every
    // indexed operation below).
    QString Strings(int index) const;
    void Put(int index, const QString& text);
    // The object attached to the line (not owned), or null.
    QObject* Objects(int index) const;
    void PutObject(int index, QObject* object);

    int Add(const QString& text);
    int AddObject(const QString& text, QObject* object);
    // Inserts before index (0 .. Count).
    void Insert(int index, const QString& text);
    void Delete(int index);
    void Clear();
    // The first line equal to text, letter case ignored; -1 when none.
    int IndexOf(const QString& text) const;

    // The lines joined by "\n"; setting splits at CR LF, LF or CR.
    QString Text() const;
    void SetText(const QString& text);
    QStringList ToStringList() const;
    // Replaces the lines (attached objects dropped).
    void SetStrings(const QStringList& lines);
    // Replaces lines and objects with those of source.
    void Assign(const TStrings& source);

    void BeginUpdate();
    // Ends one BeginUpdate; the last one emits Changed() if anything changed.
    void EndUpdate();
    int UpdateCount() const { return m_updateCount; }

    void DefineProperties(TFiler& filer) override;

signals:
    void Changed();

private:
    struct TLine
    {
        QString text;
        QObject* object = nullptr;
    };

    void CheckIndex(int index) const;
    void Modified();

    std::vector<TLine> m_lines;
    int m_updateCount = 0;
    bool m_changedInUpdate = false;
};

// The concrete string list.
class TStringList : public TStrings
{
    Q_OBJECT

public:
    using TStrings::TStrings;
};
