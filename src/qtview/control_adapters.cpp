#include "qtview/control_adapters.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <typeindex>
#include <unordered_map>

#include "forms/canvas.h"
#include "forms/containers.h"
#include "forms/edit.h"
#include "forms/label.h"
#include "forms/rich_edit.h"
#include "forms/string_grid.h"
#include "qtview/control_widgets.h"
#include "qtview/input_forwarder.h"
#include "qtview/qt_conversions.h"

namespace tubalyx {

namespace {

// The typed side of an adapter: the table hands each adapter only controls of its own class,
// and the widget it is given back is the one it made.
template <class Model, class Widget>
class AdapterOf : public ControlAdapter {
public:
    QWidget* Create(TControl& control, QWidget* parent) const final {
        return Make(static_cast<Model&>(control), parent);
    }
    void Sync(TControl& control, QWidget& widget, QPalette& palette) const final {
        Update(static_cast<Model&>(control), static_cast<Widget&>(widget), palette);
    }

protected:
    virtual Widget* Make(Model& control, QWidget* parent) const = 0;
    virtual void Update(Model& control, Widget& widget, QPalette& palette) const = 0;
};

class LabelAdapter : public AdapterOf<TLabel, LabelWidget> {
    LabelWidget* Make(TLabel& label, QWidget* parent) const override {
        auto* l = new LabelWidget(parent);
        QObject::connect(l, &LabelWidget::keyClicked, l, [&label] { RunUserInput([&] { label.Click(); }); });
        return l;
    }
    void Update(TLabel& label, LabelWidget& l, QPalette& palette) const override {
        l.SetTabStop(label.TabStop());
        if (l.text() != Q(label.Caption())) l.setText(Q(label.Caption()));
        palette.setColor(QPalette::Window, ToQColor(label.Color()));
        // A label that sizes itself to its caption is as wide as the caption in the font it is
        // drawn with, which may be a pixel a letter wider than the width the model reckons.
        const int text = l.fontMetrics().horizontalAdvance(l.text());
        if (label.AutoSize() && text > l.width()) l.resize(text, l.height());
    }
    bool InTabChain(const TControl& control) const override { return static_cast<const TLabel&>(control).TabStop(); }
};

class EditAdapter : public AdapterOf<TEdit, QLineEdit> {
    QLineEdit* Make(TEdit& edit, QWidget* parent) const override {
        auto* e = new QLineEdit(parent);
        e->setFrame(false);
        e->setTextMargins(0, 0, 0, 0);
        e->setProperty(kSelectAllsShown, edit.SelectAllCount());
        QObject::connect(e, &QLineEdit::textEdited, e,
                         [&edit](const QString& text) { RunUserInput([&] { edit.UserSetText(S(text)); }); });
        return e;
    }
    void Update(TEdit& edit, QLineEdit& e, QPalette&) const override {
        if (e.text() != Q(edit.Text())) {
            e.setText(Q(edit.Text()));
            // A number written into the edit reads from its first digit; the user typing into
            // it keeps the caret where the typing goes on.
            if (!e.hasFocus()) e.setCursorPosition(0);
        }
        // The whole text the program selects, with the caret at its start, which stays in view.
        if (const int count = edit.SelectAllCount(); e.property(kSelectAllsShown).toInt() != count) {
            e.setProperty(kSelectAllsShown, count);
            e.setSelection(e.text().size(), -e.text().size());
        }
        e.setReadOnly(edit.ReadOnly());
    }
    static constexpr const char* kSelectAllsShown = "tubalyxSelectAllsShown";
    bool InTabChain(const TControl&) const override { return true; }
};

class GridAdapter : public AdapterOf<TStringGrid, GridWidget> {
    GridWidget* Make(TStringGrid& grid, QWidget* parent) const override { return new GridWidget(grid, parent); }
    void Update(TStringGrid&, GridWidget& g, QPalette&) const override { g.SyncFromModel(); }
    bool InTabChain(const TControl&) const override { return true; }
};

class RichEditAdapter : public AdapterOf<TRichEdit, RichEditWidget> {
    RichEditWidget* Make(TRichEdit& edit, QWidget* parent) const override { return new RichEditWidget(edit, parent); }
    void Update(TRichEdit& edit, RichEditWidget& r, QPalette& palette) const override {
        r.SyncFromModel();
        palette.setColor(QPalette::Base, ToQColor(edit.Color()));
    }
    bool InTabChain(const TControl&) const override { return true; }
};

class MemoAdapter : public AdapterOf<TMemo, QPlainTextEdit> {
    QPlainTextEdit* Make(TMemo&, QWidget* parent) const override {
        auto* m = new QPlainTextEdit(parent);
        m->setReadOnly(true);
        return m;
    }
    void Update(TMemo& memo, QPlainTextEdit& m, QPalette&) const override {
        if (m.toPlainText() != Q(memo.Text())) m.setPlainText(Q(memo.Text()));
        if (memo.FrontCount() > 0) m.raise();
    }
};

class GroupBoxAdapter : public AdapterOf<TGroupBox, QGroupBox> {
    QGroupBox* Make(TGroupBox&, QWidget* parent) const override { return new QGroupBox(parent); }
    void Update(TGroupBox& box, QGroupBox& g, QPalette&) const override { g.setTitle(Q(box.Caption())); }
    std::vector<TControl*> Dependents(TControl& control) const override {
        return static_cast<TGroupBox&>(control).Children();
    }
};

class UpDownAdapter : public AdapterOf<TUpDown, UpDownWidget> {
    UpDownWidget* Make(TUpDown& upDown, QWidget* parent) const override { return new UpDownWidget(upDown, parent); }
    void Update(TUpDown&, UpDownWidget&, QPalette&) const override {}
};

class PaintBoxAdapter : public AdapterOf<TPaintBox, PaintBoxWidget> {
    PaintBoxWidget* Make(TPaintBox& box, QWidget* parent) const override { return new PaintBoxWidget(box, parent); }
    void Update(TPaintBox&, PaintBoxWidget& p, QPalette&) const override { p.update(); }
};

class ButtonAdapter : public AdapterOf<TButton, QPushButton> {
    QPushButton* Make(TButton& button, QWidget* parent) const override {
        auto* b = new QPushButton(parent);
        QObject::connect(b, &QPushButton::clicked, b, [&button] { RunUserInput([&] { button.Click(); }); });
        return b;
    }
    void Update(TButton& button, QPushButton& b, QPalette&) const override { b.setText(Q(button.Caption())); }
    // The button reports its clicks itself.
    bool ForwardsInput() const override { return false; }
};

}  // namespace

const ControlAdapter* AdapterFor(const TControl& control) {
    static const LabelAdapter label;
    static const EditAdapter edit;
    static const GridAdapter grid;
    static const RichEditAdapter richEdit;
    static const MemoAdapter memo;
    static const GroupBoxAdapter groupBox;
    static const UpDownAdapter upDown;
    static const PaintBoxAdapter paintBox;
    static const ButtonAdapter button;
    static const std::unordered_map<std::type_index, const ControlAdapter*> adapters = {
        {typeid(TLabel), &label},       {typeid(TEdit), &edit},         {typeid(TStringGrid), &grid},
        {typeid(TRichEdit), &richEdit}, {typeid(TMemo), &memo},         {typeid(TGroupBox), &groupBox},
        {typeid(TUpDown), &upDown},     {typeid(TPaintBox), &paintBox}, {typeid(TButton), &button},
    };
    auto it = adapters.find(typeid(control));
    return it == adapters.end() ? nullptr : it->second;
}

}  // namespace tubalyx
