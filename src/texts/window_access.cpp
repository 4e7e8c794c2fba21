#include "texts/window_access.h"

#include "forms/containers.h"
#include "forms/form.h"
#include "state/keywords.h"
#include "ui/texts_window.h"

namespace tubalyx {

TControl* FindWindowControl(const std::string& name) { return TextsWindow().FindComponent(name); }
TLabel* WindowLabel(const std::string& name) { return dynamic_cast<TLabel*>(FindWindowControl(name)); }
TEdit* WindowEdit(const std::string& name) { return dynamic_cast<TEdit*>(FindWindowControl(name)); }
TMenuItem* WindowMenuItem(const std::string& name) { return dynamic_cast<TMenuItem*>(FindWindowControl(name)); }
TStringGrid* WindowGrid(const std::string& name) { return dynamic_cast<TStringGrid*>(FindWindowControl(name)); }

std::string ControlText(const std::string& name) {
    TControl* c = FindWindowControl(name);
    if (auto* l = dynamic_cast<TLabel*>(c)) return l->Caption();
    if (auto* m = dynamic_cast<TMenuItem*>(c)) return m->Caption();
    if (auto* e = dynamic_cast<TEdit*>(c)) return e->Text();
    if (auto* g = dynamic_cast<TGroupBox*>(c)) return g->Caption();
    if (auto* f = dynamic_cast<TForm*>(c)) return f->Caption();
    return "";
}

bool SetControlText(const std::string& name, const std::string& text) {
    TControl* c = FindWindowControl(name);
    if (auto* l = dynamic_cast<TLabel*>(c)) {
        l->SetCaption(text);
        return true;
    }
    if (auto* m = dynamic_cast<TMenuItem*>(c)) {
        m->SetCaption(text);
        return true;
    }
    if (auto* e = dynamic_cast<TEdit*>(c)) {
        e->SetText(text);
        return true;
    }
    if (auto* g = dynamic_cast<TGroupBox*>(c)) {
        g->SetCaption(text);
        return true;
    }
    if (auto* f = dynamic_cast<TForm*>(c)) {
        f->SetCaption(text);
        return true;
    }
    return false;
}

}  // namespace tubalyx
