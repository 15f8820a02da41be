#pragma once
// TMainForm: the calculator's window, created from its stored layout
// (resources/forms/Main.form, embedded as RCDATA/TMainForm).
//
// The window only translates between its controls and the engine
// (tankora::calc): it reads the seven numeric fields, converts them with the
// native names of the units chosen in their lists (the lists may show the
// names translated), lets the engine check and compute, and shows the
// results with four decimals in the units chosen beside them, whole and
// copyable (ResultText.h). Messages of
// the engine ("Check your inputs", "Tank empty", ...) are translated and
// shown in modal boxes through the application's message service.
//
// The head list (cbHead, HeadChoice.h) chooses the shape of both heads;
// heads the fraction tables do not describe are computed exactly, and the
// result group then says so (stExact).
//
// Modes (CalcOptions): 0 Volume, 1 Height, 2 New Height. A mode change sets
// up the entry fields and returns the result area to its start-up state; an
// orientation change switches the diagram. A result-unit change re-displays
// the kept result without recomputing. No number stays under a label it does
// not belong to: a failed check clears the results as a mode change does, and
// a result whose inputs (tank, entries, units, method) changed afterwards is
// greyed with the hint "Press Calculate to update" until the next Calculate.
// A failed check also marks every entry to blame and puts the focus in the
// first one.
//
// Method (cbMethod): the table method (the default) or the exact geometry;
// Method() is the one place the window decides which. Under a table result
// that lies off the exact one by more than the engine's tolerance, the hint
// line gives the exact value.
//
// Start-up language: the stored layout carries a translator and a binary
// dictionary (cylang.mld relative to the current directory); the translator
// opens them by itself once the layout has been read, in the language of the
// user's locale, when that file exists. FormCreate then runs
// SelectStartupLanguage, which may take the file beside the program's folder
// and the language index given as the first argument. An unusable file in
// the current directory does not stop the window (DictionaryStartup.h).

#include "calc/FailingInputs.h"
#include "calc/Tank.h"
#include "calc/VolumeMethod.h"
#include "ui/DictionaryStartup.h"
#include "ui/UnitNames.h"
#include "ui/chart/ChartTank.h"

#include "framework/app/Forms.h"
#include "framework/controls/BitBtn.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Image.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"

#include <QPointer>
#include <optional>

class TChartForm;
class TDoubleEdit;
class TLanguageMenu;
class TIvBinaryDictionary;
class TIvTranslator;
class TResultText;
class TRzRadioGroup;

class TMainForm;

// Registers the window's own control classes for stored layouts and the
// stand-ins of its fonts. Idempotent; needed before the window is created.
void RegisterMainFormClasses();

// Creates the main window from its stored layout and runs its FormCreate,
// registering what it needs first. Raises the framework's read errors when
// the stored layout is unusable.
TMainForm* CreateMainForm();

class TMainForm : public TForm
{
    Q_OBJECT

public:
    explicit TMainForm(TComponentBase* owner = nullptr);

    // Clears `list` and fills it with the volume unit names, shown through
    // the dictionary.
    void FillVolumeUnits(TComboBox* list);
    // Clears `list` and fills it with the result length unit names ("in"),
    // shown through the dictionary.
    void FillLengthUnits(TComboBox* list);

    // The tank state record the calculations use.
    const tankora::TankState& Tank() const { return m_tank; }

    // The tank as Calculate would take it now, for the chart window: the
    // entries read as Calculate reads them, the method, the names and
    // units. Nothing of the window's state changes.
    ChartTank TankForChart() const;

    // The chart window, once BitBtn3 has opened one.
    TChartForm* ChartForm() const;

    void Loaded() override;

    // After the dictionary switched language (the translator has re-translated
    // the stored texts): the texts the window sets itself follow, and the
    // numbers shown and typed take the new decimal separator.
    void LanguageChanged(char previousDecimalSeparator);
    // The context menu with the language submenu.
    TLanguageMenu& LanguageMenu() { return *m_languageMenu; }

    // How the automatic opening of the dictionary went (its error, if any).
    const TDictionaryStartup& DictionaryStartup() const { return m_dictionaryStartup; }

    // Controls, in the order the window declares them; bound by name once
    // the stored layout has been read.
    TPanel* Panel1 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TBitBtn* BitBtn3 = nullptr;
    TLabel* stResultHint = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TDoubleEdit* dL = nullptr;
    TDoubleEdit* dD = nullptr;
    TDoubleEdit* db = nullptr;
    TComboBox* cbLu = nullptr;
    TComboBox* cbDu = nullptr;
    TComboBox* cbbu = nullptr;
    TImage* HorizontalImg = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TDoubleEdit* eH = nullptr;
    TDoubleEdit* eV = nullptr;
    TDoubleEdit* eQ = nullptr;
    TDoubleEdit* eT = nullptr;
    TRzRadioGroup* CalcOptions = nullptr;
    TGroupBox* GroupBox3 = nullptr;
    TLabel* stResult = nullptr;
    TComboBox* CbOrientation = nullptr;
    TImage* VerticalImg = nullptr;
    TComboBox* cbHu = nullptr;
    TComboBox* cbVu = nullptr;
    TComboBox* cbQu = nullptr;
    TComboBox* cbtu = nullptr;
    TComboBox* CbResultUnits = nullptr;
    TLabel* stResult2 = nullptr;
    TComboBox* cbResultunits2 = nullptr;
    TIvTranslator* IvTranslator1 = nullptr;
    TIvBinaryDictionary* IvBinaryDictionary1 = nullptr;
    TPanel* LResult = nullptr;
    TPanel* eResult2 = nullptr;
    TLabel* Label8 = nullptr;
    TComboBox* cbMethod = nullptr;
    TComboBox* cbHead = nullptr;
    TLabel* stExact = nullptr;

    // How the calculations obtain volumes and heights: the method chosen in
    // cbMethod.
    tankora::VolumeMethod Method() const;

    // The native name of the unit selected in one of the window's unit
    // lists, and the selection of the entry with that native name (false,
    // selection unchanged, when the list has none).
    std::string SelectedUnit(const TComboBox* list) const;
    bool SelectUnit(TComboBox* list, std::string_view nativeName);

    // Whether the shown results no longer match the inputs.
    bool ResultsStale() const { return m_resultsStale; }

    // Step 1 of FormCreate. With a first command-line argument that is not
    // empty: when a cylang.mld lies beside the program's folder (the
    // folder's text with its last eight characters, final separator
    // included, cut), the dictionary takes that file and the argument as its
    // language index; a dictionary not yet open is then opened, with the
    // translator. Never raises and never reports: any failure leaves the
    // window as the automatic opening left it.
    void SelectStartupLanguage();

public slots:
    // Selects the start-up language, then sets the defaults: horizontal tank, first unit of every
    // entry list, Volume mode.
    void FormCreate(QObject* Sender);
    // OK: closes the window, which ends the program.
    void BitBtn1Click(QObject* Sender);
    // Calculate: reads, checks, computes and shows the results.
    void BitBtn2Click(QObject* Sender);
    // Chart: the gauge-table window for the tank entered, or "Check your
    // inputs" as Calculate gives it.
    void BitBtn3Click(QObject* Sender);
    // Mode change: entry field states and the result area.
    void CalcOptionsClick(QObject* Sender);
    // Orientation change: the diagram and the record's Orientation.
    void CbOrientationChange(QObject* Sender);
    // Head shape change: the b field takes a depth only where the shape has
    // one, and the diagram draws the shape.
    void cbHeadChange(QObject* Sender);
    // The main result in the newly chosen unit. Typed text that is exactly
    // the name of an entry as shown selects it; other typed text leaves the
    // display as it was.
    void CbResultUnitsChange(QObject* Sender);
    // The flowed volume in the newly chosen unit.
    void cbResultunits2Change(QObject* Sender);
    // Method change: a shown result came from the other method.
    void cbMethodChange(QObject* Sender);

private:
    // Which quantity LastResult holds.
    enum class ResultQuantity { None, Volume, Length };

    tankora::CalcMode Mode() const;
    ResultQuantity ModeQuantity() const;
    // The seven entries, read as Calculate reads them, into `tank`.
    void ReadEntries(tankora::TankState& tank) const;
    void ShowMainResult();
    void ShowFlowVolume();
    void RestoreResultUnitText();
    // A caption the window sets on a label, translated for that label.
    QString CaptionText(const TLabel& label, std::string_view text) const;
    // Both results back to their start-up state.
    void ClearResults();
    // Greys the shown results (or shows them plainly again) and sets the hint line.
    void SetResultsStale(bool stale);
    void MarkResultsStale();
    void ShowResultHint();
    // Takes the frames of a failed check off every entry.
    void UnmarkInputs();
    // Frames the fields to blame when `tank` fails the check and focuses the first.
    void MarkFailingInputs(const tankora::TankState& tank);
    TDoubleEdit* Field(tankora::TankInput input) const;
    // The second line of a message box that reports a tank run empty or full.
    std::string LimitLine() const;

    tankora::TankState m_tank;
    TDictionaryStartup m_dictionaryStartup;
    TLanguageMenu* m_languageMenu = nullptr;
    // The native label of the second result row as last set.
    std::string_view m_flowLabel = "Volume";
    TUnitNames m_unitNames;
    ResultQuantity m_lastResultQuantity = ResultQuantity::None;
    bool m_resultsStale = false;
    // The exact main result (base units) where a table result lies off it.
    std::optional<double> m_exactResult;
    // The texts of LResult and eResult2, which the user reads and copies.
    TResultText* m_resultText = nullptr;
    TResultText* m_flowVolumeText = nullptr;
    QPointer<TChartForm> m_chartForm;
};
