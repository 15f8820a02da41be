#include "framework/core/Strings.h"

#include "framework/core/Exceptions.h"
#include "framework/layout/Reader.h"
#include "framework/layout/Writer.h"

#include <QRegularExpression>

TStrings::TStrings(QObject* parent)
    : QObject(parent)
{ }

void TStrings::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError::IndexOutOfBounds(index);
}

void TStrings::Modified()
{
    if (m_updateCount > 0)
        m_changedInUpdate = true;
    else
        emit Changed();
}

QString TStrings::Strings(int index) const
{
    CheckIndex(index);
    return m_lines[static_cast<size_t>(index)].text;
}

void TStrings::Put(int index, const QString& text)
{
    CheckIndex(index);
    m_lines[static_cast<size_t>(index)].text = text;
    Modified();
}

QObject* TStrings::Objects(int index) const
{
    CheckIndex(index);
    return m_lines[static_cast<size_t>(index)].object;
}

void TStrings::PutObject(int index, QObject* object)
{
    CheckIndex(index);
    m_lines[static_cast<size_t>(index)].object = object;
    Modified();
}

int TStrings::Add(const QString& text)
{
    return AddObject(text, nullptr);
}

int TStrings::AddObject(const QString& text, QObject* object)
{
    m_lines.push_back({ text, object });
    Modified();
    return Count() - 1;
}

void TStrings::Insert(int index, const QString& text)
{
    if (index < 0 || index > Count())
        throw EListError::IndexOutOfBounds(index);
    m_lines.insert(m_lines.begin() + index, TLine { text, nullptr });
    Modified();
}

void TStrings::Delete(int index)
{
    CheckIndex(index);
    m_lines.erase(m_lines.begin() + index);
    Modified();
}

void TStrings::Clear()
{
    if (m_lines.empty())
        return;
    m_lines.clear();
    Modified();
}

int TStrings::IndexOf(const QString& text) const
{
    for (int i = 0; i < Count(); ++i)
        if (m_lines[static_cast<size_t>(i)].text.compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TStrings::Text() const
{
    return ToStringList().join(QLatin1Char('\n'));
}

void TStrings::SetText(const QString& text)
{
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    SetStrings(lines);
}

QStringList TStrings::ToStringList() const
{
    QStringList lines;
    for (const TLine& line : m_lines)
        lines.append(line.text);
    return lines;
}

void TStrings::SetStrings(const QStringList& lines)
{
    m_lines.clear();
    for (const QString& line : lines)
        m_lines.push_back({ line, nullptr });
    Modified();
}

void TStrings::Assign(const TStrings& source)
{
    if (&source == this)
        return;
    m_lines = source.m_lines;
    Modified();
}

void TStrings::BeginUpdate()
{
    ++m_updateCount;
}

void TStrings::EndUpdate()
{
    if (m_updateCount == 0)
        return;
    if (--m_updateCount == 0 && m_changedInUpdate) {
        m_changedInUpdate = false;
        emit Changed();
    }
}

void TStrings::DefineProperties(TFiler& filer)
{
    filer.DefineProperty(
        "Strings",
        [this](TReader& reader) {
            QStringList lines;
            reader.ReadListBegin();
            while (!reader.EndOfList())
                lines.append(reader.ReadQString());
            reader.ReadListEnd();
            SetStrings(lines);
        },
        [this](TWriter& writer) {
            writer.WriteListBegin();
            for (const TLine& line : m_lines)
                writer.WriteQString(line.text);
            writer.WriteListEnd();
        },
        Count() > 0);
}
