// Handlers of the unit pop-up menus: pressure, flow, viscosity, pipe-diameter length and
// temperature. An item writes its unit keyword into the unit field, which is the stored
// choice; the edit handlers and the input transfer convert through the unit parser. Only the
// length and temperature items convert the typed values at once.
#include <string>

#include "forms/edit.h"
#include "media/gas_mixture.h"
#include "media/reference_density.h"
#include "reports/operating_conditions.h"
#include "state/composition.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/menu_state.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/language_text.h"
#include "texts/page_texts.h"
#include "texts/prompt_setters.h"
#include "texts/report_label_strings.h"
#include "ui/edit_updates.h"
#include "ui/form1.h"
#include "ui/form1_menus.h"

namespace tubalyx {

namespace {

struct PressureItem {
    TMenuItem* TForm1::*item;
    const char* caption;
    const char* keyword;
};
const PressureItem kPressureItems[] = {
    {&TForm1::AtA, "ATA", "ATA"},         {&TForm1::atm, "ATM", "atm"},
    {&TForm1::ATO, "ATÖ", "ATÖ"},         {&TForm1::BarA, "BarA", "BarA"},
    {&TForm1::BarO, "BarÖ", "BarÖ"},      {&TForm1::BarG, "BarG", "BarG"},
    {&TForm1::Bary, "Bar(ü)", "Bar(ü)"},  {&TForm1::mBar, "mBar", "mBar"},
    {&TForm1::kgcm2, "kg/cm2", "kg/cm2"}, {&TForm1::lbfin2, "lbf/in2", "lbf/in2"},
    {&TForm1::mmHg, "mmHg", "mmHg"},      {&TForm1::mmVp, "mmVp", "mmVp"},
    {&TForm1::mVp, "mVp", "mVp"},         {&TForm1::Pa, "Pa", "Pa"},
    {&TForm1::kPa, "kPa", "kPa"},         {&TForm1::MPa, "MPa", "MPa"},
    {&TForm1::psi, "psi", "psi"},
};

// Where a flow item writes: the field the menu was opened from, or always maxflowsort.
enum class FlowTarget { Opener, MaxFlowUnit };
struct FlowItem {
    TMenuItem* TForm1::*item;
    const char* caption;
    const char* keyword;
    FlowTarget target;
    bool applyFlowUnit;  // a normal or standard volume: the reference density follows
};
constexpr FlowTarget kOpener = FlowTarget::Opener, kMax = FlowTarget::MaxFlowUnit;
const FlowItem kFlowItems[] = {
    {&TForm1::lh, "liter/h", "liter/h", kOpener, false},
    {&TForm1::litermin1, "liter/min", "liter/min", kMax, false},
    {&TForm1::ls1, "liter/s", "liter/s", kOpener, false},
    {&TForm1::m3h, "m3/h", "m3/h", kOpener, false},
    {&TForm1::m3min, "m3/min", "m3/min", kMax, false},
    {&TForm1::m3s1, "m3/s", "m3/s", kMax, false},
    {&TForm1::gph1, "USgph", "usgph", kMax, false},
    {&TForm1::gpm, "USgpm", "usgpm", kOpener, false},
    {&TForm1::gps1, "USgps", "usgps", kMax, false},
    {&TForm1::ft3h1, "ft3/h", "ft3/h", kMax, false},
    {&TForm1::ft3min, "ft3/min", "ft3/min", kOpener, false},
    {&TForm1::ft3s1, "ft3/s", "ft3/s", kMax, false},
    {&TForm1::kgh, "kg/h", "kg/h", kOpener, false},
    {&TForm1::kgmin1, "kg/min", "kg/min", kMax, false},
    {&TForm1::kgs, "kg/s", "kg/s", kOpener, false},
    {&TForm1::tonh, "ton/h", "ton/h", kOpener, false},
    {&TForm1::tonmin1, "ton/min", "ton/min", kMax, false},
    {&TForm1::tons1, "ton/s", "ton/s", kMax, false},
    {&TForm1::nm3h, "Nm3/h", "Nm3/h", kOpener, true},
    {&TForm1::Nm3min1, "Nm3/min", "Nm3/min", kMax, false},
    {&TForm1::Nm3s1, "Nm3/s", "Nm3/s", kMax, false},
    {&TForm1::nlh, "Nliter/h", "Nliter/h", kOpener, true},
    {&TForm1::Nlitermin1, "Nliter/min", "Nliter/min", kMax, false},
    {&TForm1::Mliters1, "Nliter/s", "Nliter/s", kMax, false},
    {&TForm1::Standardm3h, "Standard_m3/h", "Standard_m3/h", kOpener, true},
    {&TForm1::Standardm3min, "Standard_m3/min", "Standard_m3/min", kOpener, true},
    {&TForm1::Standardm3s, "Standard_m3/s", "Standard_m3/s", kOpener, true},
    {&TForm1::MMSCFD1, "MMSCFD", "MMSCFD", kOpener, true},
    {&TForm1::ms1, "m/s", "m/s", kOpener, false},
};

// The caption is the keyword; kinematic units get the kinematic prompt.
struct ViscosityItem {
    TMenuItem* TForm1::*item;
    const char* caption;
    bool kinematic;
};
const ViscosityItem kViscosityItems[] = {
    {&TForm1::Pas1, "Pas", false},          {&TForm1::mPas1, "mPas", false},
    {&TForm1::PasE61, "Pas*E-6", false},    {&TForm1::Nsm21, "Ns/m2", false},
    {&TForm1::Nsm2E61, "Ns/m2*E-6", false}, {&TForm1::Poise1, "Poise", false},
    {&TForm1::cPoise1, "cPoise", false},    {&TForm1::cP1, "cP", false},
    {&TForm1::m2s1, "m2/s", true},          {&TForm1::mm2s, "mm2/s", true},
    {&TForm1::Stoke1, "Stokes", true},      {&TForm1::St1, "St", true},
    {&TForm1::cStokes1, "cStokes", true},   {&TForm1::cSt1, "cSt", true},
};

struct KeywordItem {
    TMenuItem* TForm1::*item;
    const char* keyword;
};
const KeywordItem kLengthItems[] = {
    {&TForm1::mm1, "mm"}, {&TForm1::inches1, "inches"}, {&TForm1::tum1, "tum"}, {&TForm1::Zoll1, "Zoll"}};
const KeywordItem kTemperatureItems[] = {{&TForm1::C1, "C"}, {&TForm1::F1, "F"}, {&TForm1::K1, "K"}};

template <class Item, std::size_t N>
const Item& ItemOf(const Item (&items)[N], TMenuItem* TForm1::*member) {
    for (const Item& i : items)
        if (i.item == member) return i;
    return items[0];  // every handler names an item of its own table
}

std::string AbsolutePressureNote() {
    const char* note = TextOf(page_text::AbsolutePressureNote, LanguageLetter);
    return note ? note : "";
}

// The unit edits of the questionnaire open their menu at their own place in the window.
void PopupAtField(TPopupMenu& menu, const TControl& field, const TControl* box = nullptr) {
    const TForm1& f = Form1();
    const int boxLeft = box ? box->Left() : 0, boxTop = box ? box->Top() : 0;
    menu.Popup(f.Left() + boxLeft + field.Left(), f.Top() + boxTop + field.Top());
}

void OpenPressureMenu(TForm1& f, TEdit& edit, bool absolute) {
    f.frklaring->SetCaption(absolute ? AbsolutePressureNote() : std::string());
    PressureMenuEdit = edit.Name();
    PopupAtField(f.StatP, edit);
}

void OpenFlowMenu(TForm1& f, TEdit& edit, std::uint8_t target) {
    FlowUnitTarget = target;
    PopupAtField(f.flowsortermenu, edit);
}

void ChoosePressureUnit(TForm1& f, TMenuItem* TForm1::*member) {
    const PressureItem& p = ItemOf(kPressureItems, member);
    if (auto* edit = dynamic_cast<TEdit*>(f.FindComponent(PressureMenuEdit))) {
        edit->SetText(p.keyword);
        if (edit == &f.abstrycksort) SetPressureTemperatureLabels();
    }
    UpdateThermoCaption();
}

void ChooseFlowUnit(TForm1& f, TMenuItem* TForm1::*member) {
    const FlowItem& q = ItemOf(kFlowItems, member);
    if (q.target == kMax || FlowUnitTarget == 0) {
        f.maxflowsort.SetText(q.keyword);
    } else {
        f.maxflowsortut.SetText(q.keyword);
    }
    if (q.applyFlowUnit) RunGuarded(ApplyFlowUnit);
}

void ChooseViscosityUnit(TForm1& f, TMenuItem* TForm1::*member) {
    const ViscosityItem& v = ItemOf(kViscosityItems, member);
    f.qbgsort.SetText(v.caption);
    f.q40bgsort.SetText(f.qbgsort.Text());
    f.q100bgsort.SetText(f.qbgsort.Text());
    ViscosityUnit = f.qbgsort.Text();
    f.viskbgtextin.SetCaption(v.kinematic ? KinematicViscosityPrompt : DynamicViscosityPrompt);
    if (MediumCode == kMediumMixture && MixtureRow >= 0 && MixtureRow < kMixtureRows)
        MixtureViscosityUnit[MixtureRow] = f.qbgsort.Text();
}

void ChooseLengthUnit(TForm1& f, TMenuItem* TForm1::*member) {
    f.dstorkallsort.SetCaption(ItemOf(kLengthItems, member).keyword);
    SetValveDiameterPrompt();
    SetConeDiameterPrompt();
    PipeDiameterFromEntry();
}

void ChooseTemperatureUnit(TForm1& f, TMenuItem* TForm1::*member) {
    const double before = OperatingTemperature;
    const std::string keyword = ItemOf(kTemperatureItems, member).keyword;
    f.tempsort.SetCaption(keyword);
    RunGuarded(UpdateTemperatureRange);
    if (OperatingTemperature != before) RunGuarded([] { CalcMixtureProperties(4); });
    if (keyword == kUnitCelsius) UpdateThermoCaption();
}

}  // namespace

void CaptionUnitMenus() {
    TForm1& f = Form1();
    for (const PressureItem& p : kPressureItems) (f.*p.item)->SetCaption(p.caption);
    for (const FlowItem& q : kFlowItems) (f.*q.item)->SetCaption(q.caption);
    for (const ViscosityItem& v : kViscosityItems) (f.*v.item)->SetCaption(v.caption);
    for (const KeywordItem& l : kLengthItems) (f.*l.item)->SetCaption(l.keyword);
    for (const KeywordItem& t : kTemperatureItems) (f.*t.item)->SetCaption(t.keyword);
}

// ---- the openers ----

void TForm1::abstrycksortClick(TControl*) { OpenPressureMenu(*this, abstrycksort, true); }
void TForm1::angtrycksortClick(TControl*) { OpenPressureMenu(*this, angtrycksort, true); }
void TForm1::krittrycksortClick(TControl*) { OpenPressureMenu(*this, krittrycksort, true); }
// Differential pressures are differences, not absolute pressures: no note.
void TForm1::difftryckmaxsortClick(TControl*) { OpenPressureMenu(*this, difftryckmaxsort, false); }
void TForm1::difftryckmaxmaxgrsortClick(TControl*) { OpenPressureMenu(*this, difftryckmaxmaxgrsort, false); }
void TForm1::difftryckmaxmingrsortClick(TControl*) { OpenPressureMenu(*this, difftryckmaxmingrsort, false); }
void TForm1::tryckforlmaxsortClick(TControl*) { OpenPressureMenu(*this, tryckforlmaxsort, false); }
void TForm1::maxflowsortClick(TControl*) { OpenFlowMenu(*this, maxflowsort, 0); }
void TForm1::maxflowsortutClick(TControl*) { OpenFlowMenu(*this, maxflowsortut, 1); }
void TForm1::qbgsortClick(TControl*) { PopupAtField(qsortmenu, qbgsort, &GroupBox1); }
void TForm1::dstorkallsortClick(TControl*) { PopupAtField(lngdsortmenu, dstorkallsort); }
void TForm1::tempsortClick(TControl*) { PopupAtField(tempsortMenu, tempsort); }

// ---- the items ----

void TForm1::AtAClick(TControl*) { ChoosePressureUnit(*this, &TForm1::AtA); }
void TForm1::atmClick(TControl*) { ChoosePressureUnit(*this, &TForm1::atm); }
void TForm1::ATOClick(TControl*) { ChoosePressureUnit(*this, &TForm1::ATO); }
void TForm1::BarAClick(TControl*) { ChoosePressureUnit(*this, &TForm1::BarA); }
void TForm1::BarOClick(TControl*) { ChoosePressureUnit(*this, &TForm1::BarO); }
void TForm1::BarGClick(TControl*) { ChoosePressureUnit(*this, &TForm1::BarG); }
void TForm1::BaryClick(TControl*) { ChoosePressureUnit(*this, &TForm1::Bary); }
void TForm1::mBarClick(TControl*) { ChoosePressureUnit(*this, &TForm1::mBar); }
void TForm1::kgcm2Click(TControl*) { ChoosePressureUnit(*this, &TForm1::kgcm2); }
void TForm1::lbfin2Click(TControl*) { ChoosePressureUnit(*this, &TForm1::lbfin2); }
void TForm1::mmHgClick(TControl*) { ChoosePressureUnit(*this, &TForm1::mmHg); }
void TForm1::mmVpClick(TControl*) { ChoosePressureUnit(*this, &TForm1::mmVp); }
void TForm1::mVpClick(TControl*) { ChoosePressureUnit(*this, &TForm1::mVp); }
void TForm1::PaClick(TControl*) { ChoosePressureUnit(*this, &TForm1::Pa); }
void TForm1::kPaClick(TControl*) { ChoosePressureUnit(*this, &TForm1::kPa); }
void TForm1::MPaClick(TControl*) { ChoosePressureUnit(*this, &TForm1::MPa); }
void TForm1::psiClick(TControl*) { ChoosePressureUnit(*this, &TForm1::psi); }

void TForm1::lhClick(TControl*) { ChooseFlowUnit(*this, &TForm1::lh); }
void TForm1::litermin1Click(TControl*) { ChooseFlowUnit(*this, &TForm1::litermin1); }
void TForm1::ls1Click(TControl*) { ChooseFlowUnit(*this, &TForm1::ls1); }
void TForm1::m3hClick(TControl*) { ChooseFlowUnit(*this, &TForm1::m3h); }
void TForm1::m3minClick(TControl*) { ChooseFlowUnit(*this, &TForm1::m3min); }
void TForm1::m3s1Click(TControl*) { ChooseFlowUnit(*this, &TForm1::m3s1); }
void TForm1::gph1Click(TControl*) { ChooseFlowUnit(*this, &TForm1::gph1); }
void TForm1::gpmClick(TControl*) { ChooseFlowUnit(*this, &TForm1::gpm); }
void TForm1::gps1Click(TControl*) { ChooseFlowUnit(*this, &TForm1::gps1); }
void TForm1::ft3h1Click(TControl*) { ChooseFlowUnit(*this, &TForm1::ft3h1); }
void TForm1::ft3minClick(TControl*) { ChooseFlowUnit(*this, &TForm1::ft3min); }
void TForm1::ft3s1Click(TControl*) { ChooseFlowUnit(*this, &TForm1::ft3s1); }
void TForm1::kghClick(TControl*) { ChooseFlowUnit(*this, &TForm1::kgh); }
void TForm1::kgmin1Click(TControl*) { ChooseFlowUnit(*this, &TForm1::kgmin1); }
void TForm1::kgsClick(TControl*) { ChooseFlowUnit(*this, &TForm1::kgs); }
void TForm1::tonhClick(TControl*) { ChooseFlowUnit(*this, &TForm1::tonh); }
void TForm1::tonmin1Click(TControl*) { ChooseFlowUnit(*this, &TForm1::tonmin1); }
void TForm1::tons1Click(TControl*) { ChooseFlowUnit(*this, &TForm1::tons1); }
void TForm1::nm3hClick(TControl*) { ChooseFlowUnit(*this, &TForm1::nm3h); }
void TForm1::Nm3min1Click(TControl*) { ChooseFlowUnit(*this, &TForm1::Nm3min1); }
void TForm1::Nm3s1Click(TControl*) { ChooseFlowUnit(*this, &TForm1::Nm3s1); }
void TForm1::nlhClick(TControl*) { ChooseFlowUnit(*this, &TForm1::nlh); }
void TForm1::Nlitermin1Click(TControl*) { ChooseFlowUnit(*this, &TForm1::Nlitermin1); }
void TForm1::Mliters1Click(TControl*) { ChooseFlowUnit(*this, &TForm1::Mliters1); }
void TForm1::Standardm3hClick(TControl*) { ChooseFlowUnit(*this, &TForm1::Standardm3h); }
void TForm1::Standardm3minClick(TControl*) { ChooseFlowUnit(*this, &TForm1::Standardm3min); }
void TForm1::Standardm3sClick(TControl*) { ChooseFlowUnit(*this, &TForm1::Standardm3s); }
void TForm1::MMSCFD1Click(TControl*) { ChooseFlowUnit(*this, &TForm1::MMSCFD1); }
void TForm1::ms1Click(TControl*) { ChooseFlowUnit(*this, &TForm1::ms1); }

void TForm1::Pas1Click(TControl*) { ChooseViscosityUnit(*this, &TForm1::Pas1); }
void TForm1::mPas1Click(TControl*) { ChooseViscosityUnit(*this, &TForm1::mPas1); }
void TForm1::PasE61Click(TControl*) { ChooseViscosityUnit(*this, &TForm1::PasE61); }
void TForm1::Nsm21Click(TControl*) { ChooseViscosityUnit(*this, &TForm1::Nsm21); }
void TForm1::Nsm2E61Click(TControl*) { ChooseViscosityUnit(*this, &TForm1::Nsm2E61); }
void TForm1::Poise1Click(TControl*) { ChooseViscosityUnit(*this, &TForm1::Poise1); }
void TForm1::cPoise1Click(TControl*) { ChooseViscosityUnit(*this, &TForm1::cPoise1); }
void TForm1::cP1Click(TControl*) { ChooseViscosityUnit(*this, &TForm1::cP1); }
void TForm1::m2s1Click(TControl*) { ChooseViscosityUnit(*this, &TForm1::m2s1); }
void TForm1::mm2sClick(TControl*) { ChooseViscosityUnit(*this, &TForm1::mm2s); }
void TForm1::Stoke1Click(TControl*) { ChooseViscosityUnit(*this, &TForm1::Stoke1); }
void TForm1::St1Click(TControl*) { ChooseViscosityUnit(*this, &TForm1::St1); }
void TForm1::cStokes1Click(TControl*) { ChooseViscosityUnit(*this, &TForm1::cStokes1); }
void TForm1::cSt1Click(TControl*) { ChooseViscosityUnit(*this, &TForm1::cSt1); }

void TForm1::mm1Click(TControl*) { ChooseLengthUnit(*this, &TForm1::mm1); }
void TForm1::inches1Click(TControl*) { ChooseLengthUnit(*this, &TForm1::inches1); }
void TForm1::tum1Click(TControl*) { ChooseLengthUnit(*this, &TForm1::tum1); }
void TForm1::Zoll1Click(TControl*) { ChooseLengthUnit(*this, &TForm1::Zoll1); }

void TForm1::C1Click(TControl*) { ChooseTemperatureUnit(*this, &TForm1::C1); }
void TForm1::F1Click(TControl*) { ChooseTemperatureUnit(*this, &TForm1::F1); }
void TForm1::K1Click(TControl*) { ChooseTemperatureUnit(*this, &TForm1::K1); }

}  // namespace tubalyx
