#include "ui/WindowSettings.h"

#include "ui/DoubleEdit.h"
#include "ui/HeadChoice.h"
#include "ui/Main.h"
#include "ui/RzRadGrp.h"
#include "ui/SettingsStore.h"

#include "nls/FormatSettings.h"
#include "nls/GuiText.h"
#include "nls/NumberText.h"

#include <QEvent>
#include <QSettings>

#include <array>
#include <string_view>

namespace {

// The mode and method names as stored, by index.
constexpr std::array<std::string_view, 3> kModeNames = { "volume", "height", "new-height" };
constexpr std::array<std::string_view, 2> kMethodNames = { "table", "exact" };
constexpr std::array<std::string_view, 2> kOrientationNames = { "horizontal", "vertical" };

template <std::size_t N>
int IndexOf(const std::array<std::string_view, N>& names, const QString& name)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (name == QLatin1String(names[i].data(), qsizetype(names[i].size())))
            return int(i);
    }
    return -1;
}

QString Name(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// A field with its unit list and the keys they are stored under.
struct Entry
{
    TDoubleEdit* field;
    TComboBox* units;
    const char* key;
};

std::array<Entry, 7> Entries(TMainForm& form)
{
    return { {
        { form.dL, form.cbLu, "tank/L" },
        { form.dD, form.cbDu, "tank/D" },
        { form.db, form.cbbu, "tank/b" },
        { form.eH, form.cbHu, "entries/H" },
        { form.eV, form.cbVu, "entries/V" },
        { form.eQ, form.cbQu, "entries/Q" },
        { form.eT, form.cbtu, "entries/t" },
    } };
}

QString UnitKey(const char* key)
{
    return QString::fromLatin1(key) + QStringLiteral("Unit");
}

char Separator()
{
    return tankora::ProcessFormatSettings().DecimalSeparator;
}

// The field's text with "." for the locale's decimal mark.
QString StoredNumber(const TDoubleEdit& field)
{
    return field.Text().replace(QChar::fromLatin1(Separator()), u'.');
}

// The stored text as the field shows it, when it reads as a number.
std::optional<QString> ShownNumber(const QString& stored)
{
    const std::string text = stored.toStdString();
    if (text.empty() || !tankora::ParseNumber(text, '.'))
        return std::nullopt;
    QString shown = stored;
    return shown.replace(u'.', QChar::fromLatin1(Separator()));
}

} // namespace

TWindowSettings::TWindowSettings(TMainForm& form, std::unique_ptr<QSettings> store)
    : m_form(form)
    , m_store(std::move(store))
{
    Restore();
    m_form.installEventFilter(this);
}

TWindowSettings::~TWindowSettings() = default;

std::unique_ptr<QSettings> TWindowSettings::UserStore()
{
    return UserSettingsStore();
}

void TWindowSettings::Restore()
{
    QSettings& store = *m_store;
    const auto text = [&store](const QString& key) { return store.value(key).toString(); };

    const int orientation = IndexOf(kOrientationNames, text(QStringLiteral("tank/orientation")));
    if (orientation >= 0 && orientation != m_form.CbOrientation->ItemIndex()) {
        m_form.CbOrientation->SetItemIndex(orientation);
        m_form.CbOrientationChange(&m_form);
    }
    // The shape before the numbers: it decides whether b is read.
    const int head = tankora::HeadChoiceNamed(text(QStringLiteral("tank/heads")).toStdString());
    if (head >= 0 && head != m_form.cbHead->ItemIndex()) {
        m_form.cbHead->SetItemIndex(head);
        m_form.cbHeadChange(&m_form);
    }
    // Units first: a mode change takes the result units from the entry units.
    for (const Entry& entry : Entries(m_form))
        m_form.SelectUnit(entry.units, text(UnitKey(entry.key)).toStdString());

    const int mode = IndexOf(kModeNames, text(QStringLiteral("mode")));
    if (mode >= 0)
        m_form.CalcOptions->SetItemIndex(mode); // runs CalcOptionsClick when it changes

    for (const Entry& entry : Entries(m_form)) {
        if (!entry.field->isEnabled())
            continue; // the mode does not read it: it stays empty
        if (const std::optional<QString> shown = ShownNumber(text(QString::fromLatin1(entry.key))))
            entry.field->SetText(*shown);
    }

    m_form.SelectUnit(m_form.CbResultUnits, text(QStringLiteral("results/unit")).toStdString());
    m_form.SelectUnit(
        m_form.cbResultunits2, text(QStringLiteral("results/flowVolumeUnit")).toStdString());

    const int method = IndexOf(kMethodNames, text(QStringLiteral("method")));
    if (method >= 0)
        m_form.cbMethod->SetItemIndex(method);
}

bool TWindowSettings::Save()
{
    QSettings& store = *m_store;
    const auto put = [&store](const char* key, const QString& value) {
        store.setValue(QString::fromLatin1(key), value);
    };
    put("tank/orientation", Name(kOrientationNames[m_form.CbOrientation->ItemIndex() == 1]));
    const int head = m_form.cbHead->ItemIndex();
    if (head >= 0 && head < int(tankora::HeadChoices().size()))
        put("tank/heads", Name(tankora::HeadChoices()[std::size_t(head)].key));
    for (const Entry& entry : Entries(m_form)) {
        put(entry.key, StoredNumber(*entry.field));
        store.setValue(
            UnitKey(entry.key), QString::fromStdString(m_form.SelectedUnit(entry.units)));
    }
    const int mode = m_form.CalcOptions->ItemIndex();
    if (mode >= 0 && mode < int(kModeNames.size()))
        put("mode", Name(kModeNames[std::size_t(mode)]));
    put("method", Name(kMethodNames[m_form.Method() == tankora::VolumeMethod::Exact]));
    put("results/unit", QString::fromStdString(m_form.SelectedUnit(m_form.CbResultUnits)));
    put("results/flowVolumeUnit",
        QString::fromStdString(m_form.SelectedUnit(m_form.cbResultunits2)));
    store.sync();
    m_saveFailed = store.status() != QSettings::NoError;
    return !m_saveFailed;
}

bool TWindowSettings::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_form && event->type() == QEvent::Close)
        Save();
    return QObject::eventFilter(watched, event);
}
