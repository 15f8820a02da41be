// The system menu of a window: the menu of window commands (restore, move,
// size, minimize, maximize, close) that opens from the window's title bar.
//
// Here the desktop's window manager draws the title bar and its menu, and
// offers a program no way to read or change that menu's texts. Each window
// therefore carries this model of it: the standard items with their command
// identifiers and texts, read and written by position the way a program
// edits a real system menu. What the program writes into it is kept and can
// be read back, but the window manager's own menu keeps showing the
// desktop's texts.
#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QWidget;

// Command identifiers of system menu items.
enum TSystemCommand : unsigned {
    scSize = 0xF000,
    scMove = 0xF010,
    scMinimize = 0xF020,
    scMaximize = 0xF030,
    scNextWindow = 0xF040,
    scPrevWindow = 0xF050,
    scClose = 0xF060,
    scVScroll = 0xF070,
    scHScroll = 0xF080,
    scMouseMenu = 0xF090,
    scKeyMenu = 0xF100,
    scArrange = 0xF110,
    scRestore = 0xF120,
    scTaskList = 0xF130,
    scScreenSave = 0xF140,
    scHotKey = 0xF150,
    scDefault = 0xF160,
    scMonitorPower = 0xF170,
};

enum class TMenuItemType { mftString, mftSeparator };

struct TMenuItemInfo
{
    TMenuItemType Type = TMenuItemType::mftString;
    unsigned CommandId = 0;
    QString Text; // "&" marks the access key; a tab precedes the shortcut
    bool operator==(const TMenuItemInfo&) const = default;
};

class TSystemMenu : public QObject
{
    Q_OBJECT

public:
    // A menu with the standard items: Restore, Move, Size, Minimize,
    // Maximize, a separator and Close.
    explicit TSystemMenu(QObject* parent = nullptr);

    int ItemCount() const { return static_cast<int>(m_items.size()); }
    // Reads the item at position into item; false (item untouched) outside
    // 0 .. ItemCount()-1.
    bool GetItem(int position, TMenuItemInfo& item) const;
    // Replaces the item at position; false outside 0 .. ItemCount()-1.
    bool SetItem(int position, const TMenuItemInfo& item);
    void AppendItem(const TMenuItemInfo& item);

private:
    std::vector<TMenuItemInfo> m_items;
};

// The window's own system menu (made with the standard items on first use),
// or null when widget is no window.
TSystemMenu* GetSystemMenu(QWidget& widget);
