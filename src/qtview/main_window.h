#pragma once
#include <QMainWindow>
#include <map>
#include <set>
#include <vector>

class QAction;
class QMenu;
class QScrollArea;

namespace tubalyx {

class ControlAdapter;
class TControl;
class TForm1;
class TMenuItem;
class TPopupMenu;

// Shows the headless main window in Qt: one widget per control on a scrolling page, the
// menu bar from Meny and a QMenu per pop-up menu. Model changes arrive through the
// controls' change listener and are shown on the next turn of the event loop (or by
// SyncNow); user input goes back into the controls' events.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(TForm1& form, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows every pending model change at once.
    void SyncNow();
    void SyncFromModel();

    QWidget* WidgetFor(const TControl* control) const;
    QAction* ActionFor(const TMenuItem* item) const;
    QMenu* MenuFor(const TPopupMenu* menu) const;

private:
    void BuildWidgets();
    void BuildMenus();
    void AddItems(QMenu* menu, TMenuItem& holder);
    void ModelChanged(TControl& control);
    void SyncControl(TControl& control);
    void SyncAction(TMenuItem& item);
    void SyncForm();
    void ApplyTabOrder();
    void AppendTabChain(const TControl& parent, std::vector<QWidget*>& chain) const;
    bool TabReachable(QWidget* w) const;
    QWidget* NextInTabChain(bool forward) const;

    TForm1& form_;
    QScrollArea* scroll_ = nullptr;
    QWidget* page_ = nullptr;
    struct Shown {
        QWidget* widget;
        const ControlAdapter* adapter;
    };
    std::map<const TControl*, Shown> shown_;
    std::map<const TMenuItem*, QAction*> actions_;
    std::map<const TPopupMenu*, QMenu*> popups_;
    std::map<const TPopupMenu*, int> popupCounts_;
    std::map<const TControl*, TMenuItem*> itemsByControl_;
    std::map<const TControl*, TPopupMenu*> popupsByControl_;
    std::set<TControl*> dirty_;
    // The Tab key's way as last given to Qt.
    std::vector<QWidget*> tabChain_;
    // The largest front order of the model already applied to the widgets' stacking.
    int frontApplied_ = 0;
    void Restack();
    void ApplyFocus();
    bool flushScheduled_ = false;
    bool syncing_ = false;
};

}  // namespace tubalyx
