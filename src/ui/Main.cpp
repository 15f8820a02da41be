#include "ui/Main.h"

#include "ui/DoubleEdit.h"
#include "ui/HeadChoice.h"
#include "ui/LanguageMenu.h"
#include "ui/ResultText.h"
#include "ui/RzRadGrp.h"
#include "ui/WindowFonts.h"
#include "ui/WindowMessages.h"
#include "ui/WindowTexts.h"
#include "ui/chart/ChartForm.h"

#include "calc/Calculation.h"
#include "calc/MethodAccuracy.h"
#include "calc/TankHeads.h"
#include "calc/Units.h"
#include "framework/app/ReadingDirection.h"
#include "framework/app/ResStrings.h"
#include "framework/controls/Colors.h"
#include "framework/core/ComponentRegistry.h"
#include "framework/core/Exceptions.h"
#include "framework/layout/FormReader.h"
#include "framework/streams/FileNames.h"
#include "l10n/dictionary/BinaryDictionary.h"
#include "l10n/dictionary/StringParser.h"
#include "l10n/dictionary/StringTranslation.h"
#include "l10n/translator/Translator.h"
#include "nls/FormatSettings.h"
#include "nls/GuiText.h"
#include "nls/NumberText.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLineEdit>
#include <algorithm>

using tankora::CalcMode;

namespace {

// The index of the entry shown exactly as `name` (letter case counts, as
// unit names are compared); -1 when none is.
int ExactEntryIndex(const TComboBox* list, const QString& name)
{
    const TStrings* items = list->Items();
    for (int i = 0; i < items->Count(); ++i) {
        if (items->Strings(i) == name)
            return i;
    }
    return -1;
}

// A translated text with its place filled.
// A text built by the program, translated, as the GUI shows it.
QString T(std::string_view text)
{
    return tankora::AnsiToQString(TranslateString(std::string(text)));
}

std::string TranslatedWith(std::string_view format, const std::string& value)
{
    return FormatText(TranslateString(std::string(format)), { value });
}

// A result with four decimals and the process decimal separator.
QString FormattedResult(double value)
{
    return tankora::AnsiToQString(tankora::FormatDecimals(value, 4));
}

// On: enabled on the window colour; off: disabled on the button face.
void SetEntryState(TControl* control, bool on)
{
    control->SetEnabled(on);
    control->SetColor(on ? clWindow : clBtnFace);
}

// The owned component of `form` named `name`, as a T. A stored layout that
// lacks it cannot run this window: EComponentError names the control.
template <typename T> T* Bind(const TComponentBase& form, const char* name)
{
    TComponentBase* component = form.FindComponent(QString::fromLatin1(name));
    T* control = component ? qobject_cast<T*>(component->Object()) : nullptr;
    if (!control)
        throw EComponentError(std::string("The main window's layout lacks ") + name);
    return control;
}

// The file name of the window's dictionary.
constexpr const char* kDictionaryFileName = "cylang.mld";

// `folder` without its last `count` characters (UTF-8 characters, so a
// multibyte name is never cut inside a character); "" when it has fewer.
std::string CutCharacters(const std::string& folder, int count)
{
    std::size_t end = folder.size();
    for (; count > 0 && end > 0; --count) {
        --end;
        while (end > 0 && (static_cast<unsigned char>(folder[end]) & 0xC0) == 0x80)
            --end;
    }
    return folder.substr(0, end);
}

} // namespace

void RegisterMainFormClasses()
{
    InstallFontSubstitutes();
    RegisterClass<TDoubleEdit>();
    RegisterClass<TRzRadioGroup>();
    RegisterClass<TIvTranslator>();
    RegisterClass<TIvBinaryDictionary>();
}

TMainForm* CreateMainForm()
{
    RegisterMainFormClasses();
    return CreateForm<TMainForm>();
}

TMainForm::TMainForm(TComponentBase* owner)
    : TForm(owner)
{
    // The program's own icon, the one the desktop entry names, so the task
    // bar shows it also where no desktop entry is installed.
    setWindowIcon(QIcon(QStringLiteral(":/icons/tankora.svg")));
}

void TMainForm::Loaded()
{
    TForm::Loaded();
    Panel1 = Bind<TPanel>(*this, "Panel1");
    BitBtn1 = Bind<TBitBtn>(*this, "BitBtn1");
    BitBtn2 = Bind<TBitBtn>(*this, "BitBtn2");
    BitBtn3 = Bind<TBitBtn>(*this, "BitBtn3");
    stResultHint = Bind<TLabel>(*this, "stResultHint");
    GroupBox1 = Bind<TGroupBox>(*this, "GroupBox1");
    Label1 = Bind<TLabel>(*this, "Label1");
    Label2 = Bind<TLabel>(*this, "Label2");
    Label3 = Bind<TLabel>(*this, "Label3");
    dL = Bind<TDoubleEdit>(*this, "dL");
    dD = Bind<TDoubleEdit>(*this, "dD");
    db = Bind<TDoubleEdit>(*this, "db");
    cbLu = Bind<TComboBox>(*this, "cbLu");
    cbDu = Bind<TComboBox>(*this, "cbDu");
    cbbu = Bind<TComboBox>(*this, "cbbu");
    HorizontalImg = Bind<TImage>(*this, "HorizontalImg");
    GroupBox2 = Bind<TGroupBox>(*this, "GroupBox2");
    Label4 = Bind<TLabel>(*this, "Label4");
    Label5 = Bind<TLabel>(*this, "Label5");
    Label6 = Bind<TLabel>(*this, "Label6");
    Label7 = Bind<TLabel>(*this, "Label7");
    eH = Bind<TDoubleEdit>(*this, "eH");
    eV = Bind<TDoubleEdit>(*this, "eV");
    eQ = Bind<TDoubleEdit>(*this, "eQ");
    eT = Bind<TDoubleEdit>(*this, "eT");
    CalcOptions = Bind<TRzRadioGroup>(*this, "CalcOptions");
    GroupBox3 = Bind<TGroupBox>(*this, "GroupBox3");
    stResult = Bind<TLabel>(*this, "stResult");
    CbOrientation = Bind<TComboBox>(*this, "CbOrientation");
    VerticalImg = Bind<TImage>(*this, "VerticalImg");
    cbHu = Bind<TComboBox>(*this, "cbHu");
    cbVu = Bind<TComboBox>(*this, "cbVu");
    cbQu = Bind<TComboBox>(*this, "cbQu");
    cbtu = Bind<TComboBox>(*this, "cbtu");
    CbResultUnits = Bind<TComboBox>(*this, "CbResultUnits");
    stResult2 = Bind<TLabel>(*this, "stResult2");
    cbResultunits2 = Bind<TComboBox>(*this, "cbResultunits2");
    LResult = Bind<TPanel>(*this, "LResult");
    eResult2 = Bind<TPanel>(*this, "eResult2");
    Label8 = Bind<TLabel>(*this, "Label8");
    cbMethod = Bind<TComboBox>(*this, "cbMethod");
    cbHead = Bind<TComboBox>(*this, "cbHead");
    stExact = Bind<TLabel>(*this, "stExact");
    IvTranslator1 = Bind<TIvTranslator>(*this, "IvTranslator1");
    IvBinaryDictionary1 = Bind<TIvBinaryDictionary>(*this, "IvBinaryDictionary1");
    m_dictionaryStartup.TakeOver(*IvTranslator1);

    // The calculator picture's own greyed variant, for a disabled button.
    QIcon calculator = BitBtn2->icon();
    calculator.addFile(
        QStringLiteral(":/pictures/CalculatorDisabled.svg"), QSize(16, 16), QIcon::Disabled);
    BitBtn2->setIcon(calculator);

    // Hints read in the window's direction, which a language may mirror.
    InstallReadingDirectionToolTips();
    m_languageMenu = new TLanguageMenu(*this, IvBinaryDictionary1,
        [this](char previousDecimalSeparator) { LanguageChanged(previousDecimalSeparator); });

    // The results are shown whole and can be selected and copied.
    m_resultText = new TResultText(LResult);
    m_flowVolumeText = new TResultText(eResult2);

    // The entry lists hold the native unit names now, before any dictionary
    // translates them.
    for (const TComboBox* list : { cbLu, cbDu, cbbu, cbHu, cbVu, cbQu, cbtu })
        m_unitNames.Remember(list);

    // Typed text that names no unit does not stay behind once the user
    // leaves the box: it gives way to the selected entry's name.
    if (QLineEdit* typed = CbResultUnits->lineEdit())
        connect(typed, &QLineEdit::editingFinished, this, [this] { RestoreResultUnitText(); });

    // A result stops matching its inputs the moment one of them changes.
    for (TDoubleEdit* field : { dL, dD, db, eH, eV, eQ, eT })
        connect(field, &QLineEdit::textChanged, this, [this] { MarkResultsStale(); });
    for (TComboBox* list : { cbLu, cbDu, cbbu, cbHu, cbVu, cbQu, cbtu, cbHead })
        connect(list, &TComboBox::OnChange, this, [this] { MarkResultsStale(); });
}

tankora::VolumeMethod TMainForm::Method() const
{
    return cbMethod->ItemIndex() == 1 ? tankora::VolumeMethod::Exact : tankora::VolumeMethod::Table;
}

std::string TMainForm::SelectedUnit(const TComboBox* list) const
{
    return m_unitNames.Selected(list);
}

bool TMainForm::SelectUnit(TComboBox* list, std::string_view nativeName)
{
    const int index = m_unitNames.IndexOf(list, nativeName);
    if (index < 0)
        return false;
    list->SetItemIndex(index);
    return true;
}

void TMainForm::FillVolumeUnits(TComboBox* list)
{
    m_unitNames.Fill(list, tankora::kVolumeUnits);
}

void TMainForm::FillLengthUnits(TComboBox* list)
{
    m_unitNames.Fill(list, tankora::kLengthResultUnits);
}

CalcMode TMainForm::Mode() const
{
    return CalcMode(CalcOptions->ItemIndex());
}

TMainForm::ResultQuantity TMainForm::ModeQuantity() const
{
    return Mode() == CalcMode::Volume ? ResultQuantity::Volume : ResultQuantity::Length;
}

void TMainForm::SelectStartupLanguage()
{
    try {
        const QStringList arguments = QCoreApplication::arguments();
        if (arguments.size() < 2 || arguments.at(1).isEmpty())
            return;
        // The program lives in a folder of seven characters; with the
        // separator that makes eight, and the dictionary lies beside it.
        const std::string path = CutCharacters(ProgramFolder(), 8) + kDictionaryFileName;
        if (FileExists(path)) {
            IvBinaryDictionary1->SetFileName(path);
            const int index = TIvStringParser::ToInteger(tankora::QStringToAnsi(arguments.at(1)));
            // -1 and -2 are the dictionary's own choices (by the locale); any
            // other negative index is one no dictionary has.
            if (index < -2)
                return;
            IvBinaryDictionary1->SetLanguage(index);
        }
        if (!IvBinaryDictionary1->Active()) {
            IvBinaryDictionary1->Open();
            IvTranslator1->Open();
        }
    } catch (...) {
        // A missing or unreadable file, an argument that is no number or no
        // language of the file: the window stays as the automatic opening
        // left it, and the user is not bothered at start-up.
    }
}

void TMainForm::FormCreate(QObject*)
{
    m_dictionaryStartup.Open(*IvTranslator1, *IvBinaryDictionary1);
    SelectStartupLanguage();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments.at(1).isEmpty())
        m_languageMenu->RestoreSavedLanguage();
    CbOrientation->SetItemIndex(0);
    CbOrientationChange(this);
    for (TComboBox* list : { cbLu, cbVu, cbQu, cbtu, cbDu, cbbu, cbHu, cbHead })
        list->SetItemIndex(0);
    cbMethod->SetItemIndex(0);
    cbHeadChange(this);
    CalcOptionsClick(this);
}

void TMainForm::BitBtn1Click(QObject*)
{
    Close();
}

void TMainForm::CbOrientationChange(QObject*)
{
    const bool horizontal = CbOrientation->ItemIndex() == 0;
    VerticalImg->SetVisible(!horizontal);
    HorizontalImg->SetVisible(horizontal);
    m_tank.Orientation = horizontal ? tankora::kHorizontal : tankora::kVertical;
    MarkResultsStale();
}

void TMainForm::cbHeadChange(QObject*)
{
    const int choice = cbHead->ItemIndex();
    SetEntryState(db, tankora::TakesDepth(choice));
    SetEntryState(cbbu, tankora::TakesDepth(choice));
    HorizontalImg->SetPicture(QString::fromLatin1(tankora::TankPicture(choice, true)));
    VerticalImg->SetPicture(QString::fromLatin1(tankora::TankPicture(choice, false)));
}

void TMainForm::CalcOptionsClick(QObject*)
{
    const CalcMode mode = Mode();
    const bool heightOn = mode != CalcMode::Height;
    const bool volumeOn = mode == CalcMode::Height;
    const bool flowOn = mode == CalcMode::NewHeight;
    const struct
    {
        TDoubleEdit* field;
        TComboBox* units;
        bool on;
    } entries[] = {
        { eH, cbHu, heightOn },
        { eV, cbVu, volumeOn },
        { eQ, cbQu, flowOn },
        { eT, cbtu, flowOn },
    };
    for (const auto& entry : entries) {
        SetEntryState(entry.field, entry.on);
        SetEntryState(entry.units, entry.on);
        if (entry.on)
            entry.field->SetValue(0);
        else
            entry.field->SetText(QString());
    }

    if (mode == CalcMode::Volume) {
        FillVolumeUnits(CbResultUnits);
        stResult->SetCaption(CaptionText(*stResult, tankora::ResultLabel(mode)));
        CbResultUnits->SetEnabled(true);
        CbResultUnits->SetText(cbVu->Text());
        CbResultUnits->SetItemIndex(cbVu->ItemIndex());
    } else {
        FillLengthUnits(CbResultUnits);
        stResult->SetCaption(CaptionText(*stResult, tankora::ResultLabel(mode)));
        const std::string heightUnit = m_unitNames.Selected(cbHu);
        CbResultUnits->SetItemIndex(
            m_unitNames.IndexOf(CbResultUnits, tankora::ResultLengthUnitFor(heightUnit)));
    }

    const bool flowRow = mode == CalcMode::NewHeight;
    if (flowRow) {
        // Filled here, not only in the stored layout, so that its names
        // speak the same language as every other list.
        FillVolumeUnits(cbResultunits2);
        m_flowLabel = tankora::ResultLabel(CalcMode::Volume);
        stResult2->SetCaption(CaptionText(*stResult2, m_flowLabel));
        cbResultunits2->SetItemIndex(cbVu->ItemIndex());
        cbResultunits2->SetEnabled(true);
    }
    stResult2->SetVisible(flowRow);
    cbResultunits2->SetVisible(flowRow);
    eResult2->SetVisible(flowRow);
    ClearResults();
}

QString TMainForm::CaptionText(const TLabel& label, std::string_view text) const
{
    // The translator asks the dictionary for this label's own entry first,
    // so a caption with less room can have a shorter word than elsewhere.
    return tankora::AnsiToQString(
        IvTranslator1->LookupText(std::string(text), tankora::QStringToAnsi(label.Name())));
}

void TMainForm::ReadEntries(tankora::TankState& tank) const
{
    using namespace tankora;
    const auto unit = [this](const TComboBox* list) { return m_unitNames.Selected(list); };
    tank.TankLength = LengthToMetres(unit(cbLu), dL->GetValue());
    tank.TankDiameter = LengthToMetres(unit(cbDu), dD->GetValue());
    const HeadShape heads = HeadShapeFor(
        cbHead->ItemIndex(), LengthToMetres(unit(cbbu), db->GetValue()), tank.TankDiameter);
    SetHeads(tank, heads, heads);
    tank.LiquidHeight = LengthToMetres(unit(cbHu), eH->GetValue());
    tank.LiquidVolume = VolumeToCubicMetres(unit(cbVu), eV->GetValue());
    tank.FlowRate = FlowToCubicMetresPerSecond(unit(cbQu), eQ->GetValue());
    tank.FlowTime = TimeToSeconds(unit(cbtu), eT->GetValue());
}

void TMainForm::BitBtn2Click(QObject*)
{
    ReadEntries(m_tank);
    tankora::WindowMessages messages;
    const CalcMode mode = Mode();
    const tankora::VolumeMethod method = Method();
    UnmarkInputs();
    if (!tankora::Calculate(m_tank, mode, messages, method)) {
        ClearResults();
        MarkFailingInputs(m_tank);
        messages.ShowKept();
        return;
    }
    m_lastResultQuantity = ModeQuantity();
    // The tables know only semi-ellipsoidal heads; any other head was
    // computed exactly, and the user reads that beside the result.
    const bool exactForHeads = !tankora::TableMethodKnows(m_tank);
    stExact->SetVisible(exactForHeads);
    m_exactResult = method == tankora::VolumeMethod::Table && !exactForHeads
        ? tankora::ExactResultWhereTableIsOff(m_tank, mode)
        : std::nullopt;
    ShowMainResult();
    if (mode == CalcMode::NewHeight) {
        ShowFlowVolume();
        m_flowLabel = tankora::FlowVolumeLabel(m_tank);
        stResult2->SetCaption(CaptionText(*stResult2, m_flowLabel));
    }
    SetResultsStale(false);
    messages.ShowKept(mode == CalcMode::NewHeight ? LimitLine() : std::string());
}

std::string TMainForm::LimitLine() const
{
    if (m_tank.FlowLimitTime < 0)
        return {};
    const double shown = tankora::SecondsToTime(m_unitNames.Selected(cbtu), m_tank.FlowLimitTime);
    const std::string time
        = tankora::FormatDecimals(shown, 4) + " " + tankora::QStringToAnsi(cbtu->Text());
    return TranslatedWith(
        m_tank.FlowRate > 0 ? tankora::kRanEmptyAfter : tankora::kRanFullAfter, time);
}

void TMainForm::ClearResults()
{
    m_lastResultQuantity = ResultQuantity::None;
    m_tank.LastResult = 0;
    m_tank.LastFlowVolume = 0;
    m_exactResult.reset();
    stExact->SetVisible(false);
    m_resultText->Show(QStringLiteral("0"));
    m_flowVolumeText->Show(QStringLiteral("0"));
    if (Mode() == CalcMode::NewHeight) {
        m_flowLabel = tankora::ResultLabel(CalcMode::Volume);
        stResult2->SetCaption(CaptionText(*stResult2, m_flowLabel));
    }
    SetResultsStale(false);
}

void TMainForm::MarkResultsStale()
{
    if (m_lastResultQuantity != ResultQuantity::None && !m_resultsStale)
        SetResultsStale(true);
}

void TMainForm::SetResultsStale(bool stale)
{
    m_resultsStale = stale;
    m_resultText->SetStale(stale);
    m_flowVolumeText->SetStale(stale);
    ShowResultHint();
}

void TMainForm::ShowResultHint()
{
    QString hint;
    if (m_resultsStale) {
        hint = T(tankora::kStaleResultHint);
    } else if (m_exactResult && m_lastResultQuantity == ModeQuantity()) {
        const std::string unit = m_unitNames.Selected(CbResultUnits);
        const double exact = m_lastResultQuantity == ResultQuantity::Volume
            ? tankora::CubicMetresToVolume(unit, *m_exactResult)
            : tankora::MetresToLength(unit, *m_exactResult);
        hint = tankora::AnsiToQString(
            TranslatedWith(tankora::kTableMethodOffHint, tankora::FormatDecimals(exact, 4)));
    }
    stResultHint->SetCaption(hint);
}

TDoubleEdit* TMainForm::Field(tankora::TankInput input) const
{
    using tankora::TankInput;
    switch (input) {
    case TankInput::Length:
        return dL;
    case TankInput::Diameter:
        return dD;
    case TankInput::HeadDepth:
        return db;
    case TankInput::Height:
        return eH;
    case TankInput::Volume:
        return eV;
    case TankInput::Flow:
        return eQ;
    case TankInput::Time:
        return eT;
    }
    return dL;
}

void TMainForm::UnmarkInputs()
{
    for (TDoubleEdit* field : { dL, dD, db, eH, eV, eQ, eT })
        field->SetMarked(false);
}

void TMainForm::MarkFailingInputs(const tankora::TankState& tank)
{
    const std::vector<tankora::TankInput> failing = tankora::FailingInputs(tank, Mode());
    for (const tankora::TankInput input : failing)
        Field(input)->SetMarked(true);
    if (failing.empty())
        return;
    TDoubleEdit* first = Field(failing.front());
    first->setFocus(Qt::OtherFocusReason);
    first->selectAll();
}

void TMainForm::ShowMainResult()
{
    const ResultQuantity quantity = ModeQuantity();
    // A kept result of the other quantity is not shown in this mode's units.
    const double value = m_lastResultQuantity == quantity ? m_tank.LastResult : 0.0;
    const std::string unit = m_unitNames.Selected(CbResultUnits);
    m_resultText->Show(FormattedResult(quantity == ResultQuantity::Volume
            ? tankora::CubicMetresToVolume(unit, value)
            : tankora::MetresToLength(unit, value)));
    ShowResultHint();
}

void TMainForm::ShowFlowVolume()
{
    m_flowVolumeText->Show(FormattedResult(
        tankora::CubicMetresToVolume(m_unitNames.Selected(cbResultunits2), m_tank.LastFlowVolume)));
}

void TMainForm::CbResultUnitsChange(QObject*)
{
    const int named = ExactEntryIndex(CbResultUnits, CbResultUnits->Text());
    if (named < 0)
        return;
    if (named != CbResultUnits->ItemIndex())
        CbResultUnits->SetItemIndex(named);
    ShowMainResult();
}

void TMainForm::cbResultunits2Change(QObject*)
{
    ShowFlowVolume();
}

void TMainForm::cbMethodChange(QObject*)
{
    MarkResultsStale();
}

void TMainForm::RestoreResultUnitText()
{
    const int index = CbResultUnits->ItemIndex();
    if (index >= 0 && CbResultUnits->Text() != CbResultUnits->Items()->Strings(index))
        CbResultUnits->SetText(CbResultUnits->Items()->Strings(index));
}

void TMainForm::LanguageChanged(char previousDecimalSeparator)
{
    const char separator = tankora::ProcessFormatSettings().DecimalSeparator;
    if (separator != previousDecimalSeparator) {
        for (TDoubleEdit* field : { dL, dD, db, eH, eV, eQ, eT })
            field->SetText(field->Text().replace(
                QLatin1Char(previousDecimalSeparator), QLatin1Char(separator)));
    }
    const CalcMode mode = Mode();
    const int resultUnit = CbResultUnits->ItemIndex();
    if (mode == CalcMode::Volume)
        FillVolumeUnits(CbResultUnits);
    else
        FillLengthUnits(CbResultUnits);
    CbResultUnits->SetItemIndex(resultUnit);
    stResult->SetCaption(CaptionText(*stResult, tankora::ResultLabel(mode)));
    const int flowUnit = cbResultunits2->ItemIndex();
    FillVolumeUnits(cbResultunits2);
    cbResultunits2->SetItemIndex(flowUnit);
    stResult2->SetCaption(CaptionText(*stResult2, m_flowLabel));
    if (m_lastResultQuantity != ResultQuantity::None) {
        ShowMainResult();
        ShowFlowVolume();
    }
    ShowResultHint();
}
