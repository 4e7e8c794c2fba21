#pragma once
// The component lists of the main window, by kind. TForm1 declares one member per entry and
// registers it by its name, so a control is added by adding its name to the right list.
// Menu items are listed with the menu (or group item) that holds them, in menu order.

// clang-format off
// Labels: prompts, clickable option fields and headings.
#define TUBALYX_FORM1_LABELS(X) \
    X(Graftext) X(grafred) X(grafblue) X(grafblack) X(grafyellow) X(grafdp) X(grafq) X(litenstor) \
    X(selectall) X(kodkomment) X(Pmin) X(PTberex) X(BigBlock) X(Pmax) X(fjrrrun) X(Grafval) X(Cftext) \
    X(kaltemptext) X(kalminreyntext) X(kalmaxreyntext) X(ISODIN) X(Strypbertyp) X(strypsort) X(mtrlfl) \
    X(utvfltext) X(utvflbtext) X(mtrlror) X(utvrortext) X(utvrorbtext) X(rordiamtextin) X(dstorkallsort) \
    X(rahettextin) X(kantradietextin) X(Differenstryck) X(dkallmmtext) X(hkallmmtext) X(maxflowtext) \
    X(adiabat) X(tryckforlmaxtext) X(bestyckningtext) X(okfelbidragtext) X(givenrakintext) \
    X(givenrakuttext) X(Mediarubrik) X(Medialabel) X(temptext) X(abstrycktext) X(abstryckmaxtext) \
    X(tempsort) X(tempmintext) X(vmargboxtext) X(Numberspostext) X(relabsfukt) X(molekylviktGtext) \
    X(molekylvikttextin) X(visktextin) X(cptextin) X(cvtextin) X(entalpitextin) X(densdrifttextin) \
    X(krittemptextin) X(gasnamnintext) X(rorlangdtextin) X(hojdskilltextin) X(PUNKTMOTSTAND) X(fltext) \
    X(krittrycktext) X(angtrycktext) X(Ventildiamtext) X(primeltextin) X(minflowtext) X(rorovrgrtextin) \
    X(rornedrgrtextin) X(maxdprubrikin) X(mindprubrikin) X(bermetodtextin) X(bermetoderrtextin) \
    X(rakstracktextin) X(reynstortextin) X(rorstortextin) X(rorlitentextin) X(tillvunderlagtextin) \
    X(viktfakt1textin) X(viktfakt2textin) X(fattringtextin) X(plattjocktextin) X(osrubrik) X(Feltext) \
    X(felsimulfl2rubrik) X(Rensarapport) X(RAPPORT) X(sidhuvud) X(sidfot) X(Felsimulrubrik) \
    X(Felsimulflrubrik) X(densnormaltext) X(massflow) X(Label1) X(DSAprint) X(Zoomrap) X(ABBSiemens) \
    X(Excel) X(Trycktemplabel) X(PTberfeltext) X(PTmaxerror) X(kod) X(Matain) X(Label2) X(ZLabel) \
    X(Tmax) X(PThelp) X(Z0Zn) X(fdens_mat) \
    X(PTr0text)

// Labels inside the property group box GroupBox1.
#define TUBALYX_FORM1_GROUPBOX_LABELS(X) \
    X(densdriftbgtextin) X(Z1bgtextin) X(Znbgtextin) X(viskbgtextin) X(visk40bgtextin) X(visk100bgtextin) \
    X(cpbgtextin) X(cvbgtextin) X(molekylviktbgtextin) X(krittempbgtextin) X(entalpibgtextin)

// Edit fields of the questionnaire and the side pages (unit fields included).
#define TUBALYX_FORM1_EDITS(X) \
    X(Cf) X(kaltemp) X(kalminreyn) X(kalmaxreyn) X(utvfl) X(utvflb) X(utvror) X(utvrorb) X(Dstorkallmm) \
    X(Dstorrahetmm) X(kantradie) X(difftryckmaxantal) X(difftryckmaxsort) X(dkallmm) X(hkallmm) \
    X(maxflowantal) X(maxflowsort) X(maxflowsortut) X(tryckforlmaxantal) X(tryckforlmaxsort) \
    X(givenrakin) X(givenrakut) X(okfelbidrag) X(abstryckantal) X(abstryckmaxantal) X(abstrycksort) \
    X(temp) X(tempmin) X(vmargbox) X(Numberspos) X(relabsspecfukt) X(molekylviktvG) X(fuktviktproc) \
    X(fuktvolproc) X(massfukt) X(deltryckprocarr) X(matstrack) X(hojd) X(angtryckantal) X(angtrycksort) \
    X(Ventilkallmm) X(fl) X(krittryckantal) X(krittrycksort) X(primelement) X(minflowantal) \
    X(minflowsort) X(Dstormaxgrmm) X(Dstormingrmm) X(difftryckmaxmaxgrsort) X(difftryckmaxmaxgrantal) \
    X(difftryckmaxmingrantal) X(difftryckmaxmingrsort) X(matvikt) X(p1vikt) X(plattjock) \
    X(maxflownormaldens) X(PTberfel)

// Edits inside the property group box GroupBox1.
#define TUBALYX_FORM1_GROUPBOX_EDITS(X) \
    X(rbg) X(qbg) X(q40bg) X(q100bg) X(cpbg) X(cvbg) X(krittempbg) X(molekylviktbg) X(entalpibg) \
    X(Z1bg) X(Znbg) X(qbgsort) X(q40bgsort) X(q100bgsort)

#define TUBALYX_FORM1_GRIDS(X) \
    X(Motstandgrid) X(ViktVolprocGrid) X(ViktVolprocgridfukt) X(Felsimulgrid) X(Felsimulgrid2) \
    X(Fjrreffektosak) X(PTKompgrid) X(Sortergrid) X(xypolynom)

// RichEdit1 is the report window, RichEdit2 and RichEdit3 the page head and foot, RichEdit4
// and RichEdit5 hidden copies.
#define TUBALYX_FORM1_RICH_EDITS(X) X(RichEdit1) X(RichEdit2) X(RichEdit3) X(RichEdit4) X(RichEdit5)

#define TUBALYX_FORM1_POPUP_MENUS(X) \
    X(Mediamenu) X(Media1menu) X(Fuktmenu) X(Strypbermenu) X(Strypsortmenu) X(mtrlflMenu) X(RahetMenu) \
    X(MotstandPopup) X(berval) X(Bestyckningmenu) X(StatP) X(flowsortermenu) X(qsortmenu) \
    X(lngdsortmenu) X(tempsortMenu)

// Menu items: X(holder, item). The holder is the main menu Meny, a pop-up menu or a group item
// listed earlier.
#define TUBALYX_FORM1_MENU_ITEMS(X) \
    X(Meny, Meny1) X(Meny1, Strypel) X(Meny1, Kommersiellafldesmtare1) X(Meny1, Termodynamik) \
    X(Meny1, Tryckf) X(Meny1, flow) X(Meny1, Ventiler1) X(Meny1, RestrictionOrifice1) X(Meny1, Sortomv) \
    X(Meny1, Run1) X(Meny1, Utskrift1) X(Meny1, Sparasom1) X(Meny1, Sparaberkningsdatasom1) \
    X(Meny1, Laddaberkningsdata1) X(Meny1, PrintScr1) X(Meny1, Fontdata1) X(Meny1, Logo1) \
    X(Meny1, Bytsprk1) X(Meny1, Svenska) X(Meny1, Deutsch) X(Meny1, English) X(Meny1, Exit2) \
    X(Meny, Strypsnabb) X(Meny, Commersialflowmeters1) X(Meny, Termosnabb) X(Meny, Tryckfsnabb) \
    X(Meny, Flowgeneral1) X(Meny, Ventiler3) X(Meny, Restrictionorifice2) X(Meny, Units2) \
    X(Meny, Indata1) X(Meny, Rapport2) X(Meny, Densitet1) X(Meny, Oskerhet1) X(Meny, Grafer2) \
    X(Meny, Sidhuvudfot1) X(Meny, N1) X(Meny, N3) X(Meny, Exitsnabb) \
    X(Mediamenu, GAS) X(Mediamenu, IGAS) X(Mediamenu, G) X(Mediamenu, LIQ) X(Mediamenu, LUF) \
    X(Mediamenu, VAT) X(Mediamenu, ANG) X(Mediamenu, MNG) X(Mediamenu, AR) X(Mediamenu, CH4) \
    X(Mediamenu, CO) X(Mediamenu, CO2) X(Mediamenu, Propan1) X(Mediamenu, Propanvtska1) \
    X(Mediamenu, H2) X(Mediamenu, Naturgas) X(Mediamenu, N2) X(Mediamenu, NH3) X(Mediamenu, O2) \
    X(Mediamenu, O3) X(Mediamenu, Olja) \
    X(Media1menu, Gas1) X(Media1menu, Luft1) X(Media1menu, Argon1) X(Media1menu, CO1) \
    X(Media1menu, CO21) X(Media1menu, CH41) X(Media1menu, H21) X(Media1menu, NH31) X(Media1menu, N21) \
    X(Media1menu, O21) X(Media1menu, O31) X(Media1menu, C3H81) X(Media1menu, Radera) \
    X(Fuktmenu, Relfukt) X(Fuktmenu, Absfukt) X(Fuktmenu, Spefukt) X(Fuktmenu, daggpkt) \
    X(Strypbermenu, Differenstryck1) X(Strypbermenu, Tryckfrlust1) X(Strypbermenu, Hldiameter1) \
    X(Strypbermenu, Flde1) X(Strypbermenu, Optimalkonstruktion1) \
    X(Strypsortmenu, StrypflnsCornertappings1) X(Strypsortmenu, StrypflnsFlangetappings1) \
    X(Strypsortmenu, StrypflnsDD2tappings1) X(Strypsortmenu, VenturiSvetsat1) \
    X(Strypsortmenu, VenturiBearbetat1) X(Strypsortmenu, VenturiObearbetat1) \
    X(Strypsortmenu, Kortventuri1) X(Strypsortmenu, Kvartscirkeldysa1) X(Strypsortmenu, Segmentflns1) \
    X(Strypsortmenu, DysaISA19321) X(Strypsortmenu, ADysaLongradius1) \
    X(mtrlflMenu, mtrlfl7) X(mtrlflMenu, mtrlfl8) X(mtrlflMenu, mtrlfl1) X(mtrlflMenu, mtrlfl2) \
    X(mtrlflMenu, mtrlfl3) X(mtrlflMenu, mtrlfl4) X(mtrlflMenu, mtrlfl5) X(mtrlflMenu, mtrlfl6) \
    X(RahetMenu, r1) X(RahetMenu, r2) X(RahetMenu, r3) X(RahetMenu, r4) X(RahetMenu, r5) \
    X(RahetMenu, r6) X(RahetMenu, r7) X(RahetMenu, r8) X(RahetMenu, r9) \
    X(MotstandPopup, Skarpbjvalfrivinkel1) X(MotstandPopup, N45gradersbjar) \
    X(N45gradersbjar, Bjradie1D1) X(N45gradersbjar, Bojradie1k5D) X(N45gradersbjar, Bjradie2D1) \
    X(N45gradersbjar, Bjradie3D1) X(N45gradersbjar, Bjradie4D1) X(N45gradersbjar, Bjradie6D1) \
    X(N45gradersbjar, Bjradie10D1) X(MotstandPopup, N90gradersbjar1) \
    X(N90gradersbjar1, Bjradie1D2) X(N90gradersbjar1, Bjradie1k5D2) X(N90gradersbjar1, Bjradie2D2) \
    X(N90gradersbjar1, Bjradie3D2) X(N90gradersbjar1, Bjradie4D2) X(N90gradersbjar1, Bjradie6D2) \
    X(N90gradersbjar1, Bjradie10D2) X(MotstandPopup, N180gradersbjar1) \
    X(N180gradersbjar1, Bjradie1D3) X(N180gradersbjar1, Bjradie1k5D3) X(N180gradersbjar1, Bjradie2D3) \
    X(N180gradersbjar1, Bjradie3D3) X(N180gradersbjar1, Bjradie4D3) X(N180gradersbjar1, Bjradie6D3) \
    X(N180gradersbjar1, Bjradie10D3) X(MotstandPopup, InloppUtlopptillkrl1) \
    X(InloppUtlopptillkrl1, Inlopptillkrlinstickanderr01D1) \
    X(InloppUtlopptillkrl1, Inlopptillkrlskarpkantrrkrl1) \
    X(InloppUtlopptillkrl1, Utloppfrnkrlskarpkant1) \
    X(InloppUtlopptillkrl1, Utloppfrnkrlnormaltfrslitenkant1) \
    X(InloppUtlopptillkrl1, Utloppfrnkrlinstickandeskarprrkant1D1) \
    X(InloppUtlopptillkrl1, Utloppfrnkrlinstickandenormaltfrslitenrrkant1D1) \
    X(InloppUtlopptillkrl1, Utloppfrnkrlavrundadrrkant1) \
    X(InloppUtlopptillkrl1, Ejrtvinkligtutloppfrnkrlskarprrkantvalfrivinkel1) \
    X(MotstandPopup, Rrdiameterndring1) X(Rrdiameterndring1, NedkoningKontoppvinkel40grader1) \
    X(Rrdiameterndring1, PltsligrrdiameterminskningKontoppvinkel180grader1) \
    X(Rrdiameterndring1, Uppkoning115DValfrikontoppvinkel10grader1) \
    X(Rrdiameterndring1, Uppkoning13Dvalfrikontoppvinkel1) \
    X(Rrdiameterndring1, PltsligrrdiameterkningKontoppvinkel180grader1) \
    X(MotstandPopup, Ventilvalbartkv1) X(MotstandPopup, Strypelement1) X(Strypelement1, Strypflns1) \
    X(Strypelement1, Klassisktventuri1) X(Strypelement1, Kortventuri2) X(Strypelement1, DysaISA19322) \
    X(Strypelement1, Kvartscirkeldysa2) X(MotstandPopup, Tstycken1) \
    X(Tstycken1, Utfldefrnhuvudledning1) X(Tstycken1, Fldeihuvudledningenligt701) \
    X(Tstycken1, Infldetillhuvudledning1) X(Tstycken1, Fldeihuvudledningenligt721) \
    X(MotstandPopup, Hojdmotstand) X(MotstandPopup, Annanstrning1) X(MotstandPopup, Radera1) \
    X(berval, Indataval) X(berval, Rapport1) X(berval, Densitetsberkningfdensmat1) \
    X(berval, Oskerhetskalkyl1) X(berval, Grafer1) X(berval, Sidhuvudval) \
    X(Bestyckningmenu, bestyck0) X(Bestyckningmenu, bestyck1) X(Bestyckningmenu, bestyck2) \
    X(Bestyckningmenu, bestyck3) X(Bestyckningmenu, bestyck4) X(Bestyckningmenu, bestyck5) \
    X(Bestyckningmenu, bestyck6) X(Bestyckningmenu, bestyck7) X(Bestyckningmenu, bestyck8) \
    X(Bestyckningmenu, bestyck9) X(Bestyckningmenu, bestyck10) X(Bestyckningmenu, bestyck11) \
    X(Bestyckningmenu, bestyck12) X(Bestyckningmenu, bestyck13) X(Bestyckningmenu, bestyck14) \
    X(StatP, frklaring) X(StatP, AtA) X(StatP, atm) X(StatP, ATO) X(StatP, BarA) X(StatP, BarO) \
    X(StatP, BarG) X(StatP, Bary) X(StatP, mBar) X(StatP, kgcm2) X(StatP, lbfin2) X(StatP, mmHg) \
    X(StatP, mmVp) X(StatP, mVp) X(StatP, Pa) X(StatP, kPa) X(StatP, MPa) X(StatP, psi) \
    X(flowsortermenu, lh) X(flowsortermenu, litermin1) X(flowsortermenu, ls1) X(flowsortermenu, m3h) \
    X(flowsortermenu, m3min) X(flowsortermenu, m3s1) X(flowsortermenu, gph1) X(flowsortermenu, gpm) \
    X(flowsortermenu, gps1) X(flowsortermenu, ft3h1) X(flowsortermenu, ft3min) X(flowsortermenu, ft3s1) \
    X(flowsortermenu, kgh) X(flowsortermenu, kgmin1) X(flowsortermenu, kgs) X(flowsortermenu, tonh) \
    X(flowsortermenu, tonmin1) X(flowsortermenu, tons1) X(flowsortermenu, nm3h) \
    X(flowsortermenu, Nm3min1) X(flowsortermenu, Nm3s1) X(flowsortermenu, nlh) \
    X(flowsortermenu, Nlitermin1) X(flowsortermenu, Mliters1) X(flowsortermenu, Standardm3h) \
    X(flowsortermenu, Standardm3min) X(flowsortermenu, Standardm3s) X(flowsortermenu, MMSCFD1) \
    X(flowsortermenu, ms1) \
    X(qsortmenu, Pas1) X(qsortmenu, mPas1) X(qsortmenu, PasE61) X(qsortmenu, Nsm21) \
    X(qsortmenu, Nsm2E61) X(qsortmenu, Poise1) X(qsortmenu, cPoise1) X(qsortmenu, cP1) \
    X(qsortmenu, m2s1) X(qsortmenu, mm2s) X(qsortmenu, Stoke1) X(qsortmenu, St1) \
    X(qsortmenu, cStokes1) X(qsortmenu, cSt1) \
    X(lngdsortmenu, mm1) X(lngdsortmenu, inches1) X(lngdsortmenu, tum1) X(lngdsortmenu, Zoll1) \
    X(tempsortMenu, C1) X(tempsortMenu, F1) X(tempsortMenu, K1) \
    X(Meny1, Hetvatten)

// Handlers: X(control, event, handler). A handler bound to several controls or events has one
// row for each; every event of a control has at most one handler. The handlers are TForm1
// methods with the event's parameters, so a row naming the wrong event does not compile. The
// form itself is named Form1.
#define TUBALYX_FORM1_HANDLERS(X) \
    /* edits */ \
    X(abstryckantal, OnKeyUp, abstryckantalKeyUp) X(temp, OnKeyUp, tempKeyUp) \
    X(GroupBox1, OnExit, GroupBox1Exit) \
    /* labels and buttons */ \
    X(Differenstryck, OnClick, DifferenstryckClick) X(tryckforlmaxtext, OnClick, DifferenstryckClick) \
    X(Runbutton, OnMouseDown, RunbuttonMouseDown) X(fjrrrun, OnClick, fjrrrunClick) \
    X(kodkomment, OnClick, kodkommentClick) X(ABBSiemens, OnClick, ABBSiemensClick) \
    X(Label1, OnClick, Run1Click) X(Run1, OnClick, Run1Click) X(Runbutton, OnClick, RunbuttonClick) \
    X(adiabat, OnClick, adiabatClick) \
    X(reynstortextin, OnClick, reynstortextinClick) X(rorlitentextin, OnClick, rorlitentextinClick) \
    X(rorstortextin, OnClick, rorstortextinClick) X(bermetodtextin, OnClick, bermetodtextinClick) \
    X(molekylviktGtext, OnClick, bermetodtextinClick) X(tillvunderlagtextin, OnClick, tillvunderlagtextinClick) \
    X(bermetoderrtextin, OnClick, bermetoderrtextinClick) X(bestyckningtext, OnClick, bestyckningtextClick) \
    X(rahettextin, OnClick, rahettextinClick) X(primeltextin, OnClick, primeltextinClick) \
    X(bestyck0, OnClick, bestyck0Click) X(bestyck1, OnClick, bestyck1Click) X(bestyck2, OnClick, bestyck2Click) \
    X(bestyck3, OnClick, bestyck3Click) X(bestyck4, OnClick, bestyck4Click) X(bestyck5, OnClick, bestyck5Click) \
    X(bestyck6, OnClick, bestyck6Click) X(bestyck7, OnClick, bestyck7Click) X(bestyck8, OnClick, bestyck8Click) \
    X(bestyck9, OnClick, bestyck9Click) X(bestyck10, OnClick, bestyck10Click) \
    X(bestyck11, OnClick, bestyck11Click) X(bestyck12, OnClick, bestyck12Click) \
    X(bestyck13, OnClick, bestyck13Click) X(bestyck14, OnClick, bestyck14Click) \
    X(r2, OnClick, r2Click) X(r3, OnClick, r3Click) X(r4, OnClick, r4Click) X(r5, OnClick, r5Click) \
    X(r6, OnClick, r6Click) X(r7, OnClick, r7Click) X(r8, OnClick, r8Click) X(r9, OnClick, r9Click) \
    X(maxflowtext, OnClick, MaxflowtextClick) X(abstrycktext, OnClick, abstrycktextClick) \
    X(abstryckmaxtext, OnClick, abstrycktextClick) X(temptext, OnClick, temptextClick) \
    X(kaltemptext, OnClick, temptextClick) X(kalminreyntext, OnClick, temptextClick) \
    X(kalmaxreyntext, OnClick, temptextClick) X(Label2, OnClick, Label2Click) \
    /* grids */ \
    X(Felsimulgrid, OnKeyPress, FelsimulgridKeyPress) X(Fjrreffektosak, OnMouseDown, FjrreffektosakMouseDown) \
    X(ViktVolprocGrid, OnClick, ViktVolprocGridClick) X(ViktVolprocgridfukt, OnClick, ViktVolprocGridClick) \
    X(ViktVolprocGrid, OnSelectCell, ViktVolprocGridSelectCell) \
    X(ViktVolprocGrid, OnSetEditText, ViktVolprocGridSetEditText) \
    X(ViktVolprocgridfukt, OnSetEditText, ViktVolprocGridSetEditText) \
    X(ViktVolprocGrid, OnMouseDown, ViktVolprocGridMouseDown) X(ViktVolprocGrid, OnMouseUp, ViktVolprocGridMouseUp) \
    X(ViktVolprocGrid, OnKeyUp, ViktVolprocGridKeyUp) X(ViktVolprocGrid, OnKeyPress, ViktVolprocGridKeyPress) \
    X(ViktVolprocGrid, OnExit, ViktVolprocGridExit) X(ViktVolprocgridfukt, OnMouseDown, ViktVolprocgridfuktMouseDown) \
    X(Radera, OnClick, RaderaClick) \
    X(Motstandgrid, OnMouseDown, MotstandgridMouseDown) X(Motstandgrid, OnMouseUp, MotstandgridMouseUp) \
    X(Motstandgrid, OnSelectCell, MotstandgridSelectCell) X(Motstandgrid, OnKeyPress, MotstandgridKeyPress) \
    X(Motstandgrid, OnKeyUp, MotstandgridKeyUp) X(Motstandgrid, OnMouseMove, MotstandgridMouseMove) \
    /* the uncertainty page */ \
    X(Felsimulgrid, OnMouseDown, FelsimulgridMouseDown) X(Felsimulgrid2, OnMouseDown, FelsimulgridMouseDown) \
    X(Felsimulrubrik, OnClick, FelsimulrubrikClick) X(DSAprint, OnClick, DSAprintClick) \
    /* the fitting pop-up and the material items */ \
    X(Skarpbjvalfrivinkel1, OnClick, MotstandPopupFittingClick) \
    X(Bjradie1D1, OnClick, MotstandPopupFittingClick) X(Bojradie1k5D, OnClick, MotstandPopupFittingClick) \
    X(Bjradie2D1, OnClick, MotstandPopupFittingClick) X(Bjradie3D1, OnClick, MotstandPopupFittingClick) \
    X(Bjradie4D1, OnClick, MotstandPopupFittingClick) X(Bjradie6D1, OnClick, MotstandPopupFittingClick) \
    X(Bjradie10D1, OnClick, MotstandPopupFittingClick) X(Bjradie1D2, OnClick, MotstandPopupFittingClick) \
    X(Bjradie1k5D2, OnClick, MotstandPopupFittingClick) X(Bjradie2D2, OnClick, MotstandPopupFittingClick) \
    X(Bjradie3D2, OnClick, MotstandPopupFittingClick) X(Bjradie4D2, OnClick, MotstandPopupFittingClick) \
    X(Bjradie6D2, OnClick, MotstandPopupFittingClick) X(Bjradie10D2, OnClick, MotstandPopupFittingClick) \
    X(Bjradie1D3, OnClick, MotstandPopupFittingClick) X(Bjradie1k5D3, OnClick, MotstandPopupFittingClick) \
    X(Bjradie2D3, OnClick, MotstandPopupFittingClick) X(Bjradie3D3, OnClick, MotstandPopupFittingClick) \
    X(Bjradie4D3, OnClick, MotstandPopupFittingClick) X(Bjradie6D3, OnClick, MotstandPopupFittingClick) \
    X(Bjradie10D3, OnClick, MotstandPopupFittingClick) \
    X(NedkoningKontoppvinkel40grader1, OnClick, MotstandPopupFittingClick) \
    X(PltsligrrdiameterminskningKontoppvinkel180grader1, OnClick, MotstandPopupFittingClick) \
    X(Uppkoning115DValfrikontoppvinkel10grader1, OnClick, MotstandPopupFittingClick) \
    X(Uppkoning13Dvalfrikontoppvinkel1, OnClick, MotstandPopupFittingClick) \
    X(PltsligrrdiameterkningKontoppvinkel180grader1, OnClick, MotstandPopupFittingClick) \
    X(Inlopptillkrlinstickanderr01D1, OnClick, MotstandPopupFittingClick) \
    X(Inlopptillkrlskarpkantrrkrl1, OnClick, MotstandPopupFittingClick) \
    X(Utloppfrnkrlskarpkant1, OnClick, MotstandPopupFittingClick) \
    X(Utloppfrnkrlnormaltfrslitenkant1, OnClick, MotstandPopupFittingClick) \
    X(Utloppfrnkrlinstickandeskarprrkant1D1, OnClick, MotstandPopupFittingClick) \
    X(Utloppfrnkrlinstickandenormaltfrslitenrrkant1D1, OnClick, MotstandPopupFittingClick) \
    X(Utloppfrnkrlavrundadrrkant1, OnClick, MotstandPopupFittingClick) \
    X(Ejrtvinkligtutloppfrnkrlskarprrkantvalfrivinkel1, OnClick, MotstandPopupFittingClick) \
    X(Ventilvalbartkv1, OnClick, MotstandPopupFittingClick) X(Strypflns1, OnClick, MotstandPopupFittingClick) \
    X(Klassisktventuri1, OnClick, MotstandPopupFittingClick) X(Kortventuri2, OnClick, MotstandPopupFittingClick) \
    X(DysaISA19322, OnClick, MotstandPopupFittingClick) X(Kvartscirkeldysa2, OnClick, MotstandPopupFittingClick) \
    X(Utfldefrnhuvudledning1, OnClick, MotstandPopupFittingClick) \
    X(Fldeihuvudledningenligt701, OnClick, MotstandPopupFittingClick) \
    X(Infldetillhuvudledning1, OnClick, MotstandPopupFittingClick) \
    X(Fldeihuvudledningenligt721, OnClick, MotstandPopupFittingClick) \
    X(Hojdmotstand, OnClick, MotstandPopupFittingClick) \
    X(Annanstrning1, OnClick, Annanstrning1Click) X(Radera1, OnClick, Radera1Click) \
    /* start-up */ \
    X(Form1, OnCreate, FormCreate) \
    /* calculation function, standard, solved quantity, device and material */ \
    X(Termodynamik, OnClick, TermodynamikClick) X(Termosnabb, OnClick, TermodynamikClick) \
    X(Tryckf, OnClick, TryckfClick) X(Tryckfsnabb, OnClick, TryckfClick) \
    X(flow, OnClick, flowClick) X(Flowgeneral1, OnClick, flowClick) X(Ventiler1, OnClick, Ventiler1Click) \
    X(Ventiler3, OnClick, Ventile1rclick) X(RestrictionOrifice1, OnClick, RestrictionOrifice1Click) \
    X(Restrictionorifice2, OnClick, RestrictionOrifice1Click) X(Strypel, OnClick, StrypelClick) \
    X(Strypsnabb, OnClick, StrypelClick) X(Kommersiellafldesmtare1, OnClick, Kommersiellafldesmtare1Click) \
    X(Commersialflowmeters1, OnClick, Kommersiellafldesmtare1Click) X(Sortomv, OnClick, SortomvClick) \
    X(Units2, OnClick, SortomvClick) X(Exit2, OnClick, Exit2Click) X(Exitsnabb, OnClick, ExitsnabbClick) \
    X(Strypbertyp, OnClick, StrypbertypClick) X(strypsort, OnClick, strypsortClick) \
    X(ISODIN, OnClick, ISODINClick) X(mtrlfl, OnClick, mtrlflClick) X(mtrlror, OnClick, mtrlrorClick) \
    X(Differenstryck1, OnClick, Differenstryck1Click) X(Tryckfrlust1, OnClick, Tryckfrlust1Click) \
    X(Hldiameter1, OnClick, Hldiameter1Click) X(Flde1, OnClick, Flde1Click) \
    X(Optimalkonstruktion1, OnClick, Optimalkonstruktion1Click) \
    X(StrypflnsCornertappings1, OnClick, StrypflnsCornertappings1Click) \
    X(StrypflnsFlangetappings1, OnClick, StrypflnsFlangetappings1Click) \
    X(StrypflnsDD2tappings1, OnClick, StrypflnsDD2tappings1Click) \
    X(VenturiSvetsat1, OnClick, VenturiSvetsat1Click) X(VenturiBearbetat1, OnClick, VenturiBearbetat1Click) \
    X(VenturiObearbetat1, OnClick, VenturiObearbetat1Click) X(Kortventuri1, OnClick, Kortventuri1Click) \
    X(Kvartscirkeldysa1, OnClick, Kvartscirkeldysa1Click) X(Segmentflns1, OnClick, Segmentflns1Click) \
    X(DysaISA19321, OnClick, DysaISA19321Click) X(ADysaLongradius1, OnClick, ADysaLongradius1Click) \
    X(mtrlfl1, OnClick, mtrlfl1Click) X(mtrlfl2, OnClick, mtrlfl2Click) X(mtrlfl3, OnClick, mtrlfl3Click) \
    X(mtrlfl4, OnClick, mtrlfl4Click) X(mtrlfl5, OnClick, mtrlfl5Click) X(mtrlfl6, OnClick, mtrlfl6Click) \
    X(mtrlfl7, OnClick, mtrlfl7Click) X(mtrlfl8, OnClick, mtrlfl8Click) \
    /* medium, mixture component, property box and humidity */ \
    X(Medialabel, OnMouseUp, Mediaup) X(relabsfukt, OnMouseUp, Fuktup) X(GAS, OnClick, GASClick) \
    X(IGAS, OnClick, IGASClick) X(LIQ, OnClick, LIQClick) X(LUF, OnClick, LUFClick) X(CO2, OnClick, CO2Click) \
    X(N2, OnClick, N2Click) X(AR, OnClick, ARClick) X(O2, OnClick, O2Click) X(H2, OnClick, H2Click) \
    X(CO, OnClick, COClick) X(O3, OnClick, O3Click) X(VAT, OnClick, VATClick) X(ANG, OnClick, ANGClick) \
    X(MNG, OnClick, MNGClick) X(Propan1, OnClick, Propan1Click) X(Propanvtska1, OnClick, Propanvtska1Click) \
    X(CH4, OnClick, CH4Click) X(NH3, OnClick, NH3Click) X(Olja, OnClick, OljaClick) \
    X(Naturgas, OnClick, NaturgasClick) X(G, OnClick, GClick) X(Gas1, OnClick, Gas1Click) \
    X(Luft1, OnClick, Luft1Click) X(Argon1, OnClick, Argon1Click) X(CO1, OnClick, CO1Click) \
    X(CO21, OnClick, CO21Click) X(CH41, OnClick, CH41Click) X(H21, OnClick, H21Click) \
    X(NH31, OnClick, NH31Click) X(N21, OnClick, N21Click) X(O21, OnClick, O21Click) X(O31, OnClick, O31Click) \
    X(C3H81, OnClick, C3H81Click) X(GroupBox1, OnClick, GroupBox1Click) \
    X(rbg, OnChange, rbgExit) X(rbg, OnExit, rbgExit) X(qbg, OnChange, qbgExit) X(qbg, OnExit, qbgExit) \
    X(qbgsort, OnChange, qbgExit) X(cpbg, OnChange, cpbgExit) X(cpbg, OnExit, cpbgExit) \
    X(cvbg, OnChange, cvbgExit) X(cvbg, OnExit, cvbgExit) X(molekylviktbg, OnChange, molekylviktbgExit) \
    X(molekylviktbg, OnExit, molekylviktbgExit) X(krittempbg, OnChange, krittempbgExit) \
    X(krittempbg, OnExit, krittempbgExit) X(entalpibg, OnChange, entalpibgchange) \
    X(Z1bg, OnChange, Z1bgChange) X(Znbg, OnChange, ZnbgExit) X(Znbg, OnExit, ZnbgExit) \
    X(Relfukt, OnClick, RelfuktClick) X(Absfukt, OnClick, Absfuktclick) X(Spefukt, OnClick, Specfuktclick) \
    X(daggpkt, OnClick, daggpktClick) X(relabsspecfukt, OnExit, relabsspecfuktChange) \
    X(relabsspecfukt, OnKeyUp, relabsspecfuktKeyDown) X(molekylviktvG, OnChange, molekylviktvGChange) \
    /* unit pop-up menus */ \
    X(abstrycksort, OnClick, abstrycksortClick) X(angtrycksort, OnClick, angtrycksortClick) \
    X(krittrycksort, OnClick, krittrycksortClick) X(difftryckmaxsort, OnClick, difftryckmaxsortClick) \
    X(difftryckmaxmaxgrsort, OnClick, difftryckmaxmaxgrsortClick) \
    X(difftryckmaxmingrsort, OnClick, difftryckmaxmingrsortClick) \
    X(tryckforlmaxsort, OnClick, tryckforlmaxsortClick) X(maxflowsort, OnClick, maxflowsortClick) \
    X(maxflowsortut, OnClick, maxflowsortutClick) X(qbgsort, OnClick, qbgsortClick) \
    X(q40bgsort, OnClick, qbgsortClick) X(dstorkallsort, OnClick, dstorkallsortClick) \
    X(tempsort, OnClick, tempsortClick) \
    X(AtA, OnClick, AtAClick) X(atm, OnClick, atmClick) X(ATO, OnClick, ATOClick) X(BarA, OnClick, BarAClick) \
    X(BarO, OnClick, BarOClick) X(BarG, OnClick, BarGClick) X(Bary, OnClick, BaryClick) X(mBar, OnClick, mBarClick) \
    X(kgcm2, OnClick, kgcm2Click) X(lbfin2, OnClick, lbfin2Click) X(mmHg, OnClick, mmHgClick) \
    X(mmVp, OnClick, mmVpClick) X(mVp, OnClick, mVpClick) X(Pa, OnClick, PaClick) X(kPa, OnClick, kPaClick) \
    X(MPa, OnClick, MPaClick) X(psi, OnClick, psiClick) \
    X(lh, OnClick, lhClick) X(litermin1, OnClick, litermin1Click) X(ls1, OnClick, ls1Click) X(m3h, OnClick, m3hClick) \
    X(m3min, OnClick, m3minClick) X(m3s1, OnClick, m3s1Click) X(gph1, OnClick, gph1Click) X(gpm, OnClick, gpmClick) \
    X(gps1, OnClick, gps1Click) X(ft3h1, OnClick, ft3h1Click) X(ft3min, OnClick, ft3minClick) \
    X(ft3s1, OnClick, ft3s1Click) X(kgh, OnClick, kghClick) X(kgmin1, OnClick, kgmin1Click) X(kgs, OnClick, kgsClick) \
    X(tonh, OnClick, tonhClick) X(tonmin1, OnClick, tonmin1Click) X(tons1, OnClick, tons1Click) \
    X(nm3h, OnClick, nm3hClick) X(Nm3min1, OnClick, Nm3min1Click) X(Nm3s1, OnClick, Nm3s1Click) \
    X(nlh, OnClick, nlhClick) X(Nlitermin1, OnClick, Nlitermin1Click) X(Mliters1, OnClick, Mliters1Click) \
    X(Standardm3h, OnClick, Standardm3hClick) X(Standardm3min, OnClick, Standardm3minClick) \
    X(Standardm3s, OnClick, Standardm3sClick) X(MMSCFD1, OnClick, MMSCFD1Click) X(ms1, OnClick, ms1Click) \
    X(Pas1, OnClick, Pas1Click) X(mPas1, OnClick, mPas1Click) X(PasE61, OnClick, PasE61Click) \
    X(Nsm21, OnClick, Nsm21Click) X(Nsm2E61, OnClick, Nsm2E61Click) X(Poise1, OnClick, Poise1Click) \
    X(cPoise1, OnClick, cPoise1Click) X(cP1, OnClick, cP1Click) X(m2s1, OnClick, m2s1Click) \
    X(mm2s, OnClick, mm2sClick) X(Stoke1, OnClick, Stoke1Click) X(St1, OnClick, St1Click) \
    X(cStokes1, OnClick, cStokes1Click) X(cSt1, OnClick, cSt1Click) \
    X(mm1, OnClick, mm1Click) X(inches1, OnClick, inches1Click) X(tum1, OnClick, tum1Click) \
    X(Zoll1, OnClick, Zoll1Click) \
    X(C1, OnClick, C1Click) X(F1, OnClick, F1Click) X(K1, OnClick, K1Click) \
    /* view and report */ \
    X(Form1, OnKeyDown, FormKeyDown) X(Form1, OnKeyPress, FormKeyPress) X(Form1, OnKeyUp, FormKeyUp) \
    X(Form1, OnMouseMove, FormMouseMove) X(RichEdit1, OnChange, RichEdit1Change) \
    X(RichEdit1, OnKeyDown, RichEdit1KeyDown) X(RichEdit1, OnMouseUp, RichEdit1MouseUp) \
    X(selectall, OnClick, selectallClick) X(Rensarapport, OnClick, RensarapportClick) \
    X(RichEdit1, OnMouseMove, RichEdit1MouseMove) X(RichEdit1, OnMouseDown, RichEdit1MouseDown) \
    X(Svenska, OnClick, SvenskaClick) X(Deutsch, OnClick, DeutschClick) X(English, OnClick, EnglishClick) \
    X(Bytsprk1, OnClick, Bytsprk1Click) X(Form1, OnMouseDown, FormMouseDown) X(Form1, OnClick, FormClick) \
    X(Indataval, OnClick, IndatavalClick) X(Indata1, OnClick, Indata1Click) \
    X(Rapport1, OnClick, Rapport1Click) X(Rapport2, OnClick, Rapport2Click) \
    X(Densitetsberkningfdensmat1, OnClick, Densitetsberkningfdensmat1Click) X(Densitet1, OnClick, Densitet1Click) \
    X(Oskerhetskalkyl1, OnClick, Oskerhetskalkyl1Click) X(Oskerhet1, OnClick, Oskerhet1Click) \
    X(Grafer1, OnClick, Grafer1Click) X(Grafer2, OnClick, Grafer1Click) \
    X(Sidhuvudval, OnClick, SidhuvudvalClick) X(Sidhuvudfot1, OnClick, Sidhuvudfot1Click) \
    X(Zoomrap, OnClick, ZoomrapClick) X(litenstor, OnClick, litenstorClick) X(Excel, OnClick, ExcelClick) \
    X(N1, OnClick, N1Click) X(N3, OnClick, N3Click) X(Fontdata1, OnClick, Fontdata1Click) \
    X(Grafval, OnClick, Grafvalclick) X(PaintBox1, OnClick, PaintBox1Click) X(Logo1, OnClick, Logo1Click) \
    X(Memo2, OnClick, Memo2Click) \
    X(Felsimulgrid, OnMouseMove, FelsimulgridMouseMove) \
    X(Felsimulgrid2, OnMouseMove, FelsimulgridMouseMove) X(Hetvatten, OnClick, HetvattenClick) \
    /* font size */ \
    X(UpDown1, OnArrowClick, UpDown1Click) \
    /* files and printing */ \
    X(PrintScr1, OnClick, PrintScr1Click) \
    X(Utskrift1, OnClick, Utskrift1Click) X(Sparasom1, OnClick, Sparasom1Click) \
    X(Sparaberkningsdatasom1, OnClick, Sparaberkningsdatasom1Click) \
    X(Laddaberkningsdata1, OnClick, Laddaberkningsdata1Click) \
    /* the questionnaire's value and unit edits */ \
    X(utvfl, OnChange, utvflChange) X(utvflb, OnChange, utvflbChange) X(utvror, OnChange, utvrorChange) \
    X(utvrorb, OnChange, utvrorbChange) X(kantradie, OnChange, kantradieChange) \
    X(Dstorrahetmm, OnChange, DstorrahetmmChange) X(plattjock, OnChange, plattjockChange) X(fl, OnChange, flChange) \
    X(givenrakin, OnChange, givenrakinChange) X(givenrakut, OnChange, givenrakutChange) \
    X(okfelbidrag, OnChange, okfelbidragChange) X(Cf, OnChange, CfChange) X(kaltemp, OnChange, kaltempChange) \
    X(kalminreyn, OnChange, kalminreynChange) X(kalmaxreyn, OnChange, kalmaxreynChange) \
    X(Dstorkallmm, OnChange, DstorkallmmChange) X(dkallmm, OnChange, dkallmmChange) \
    X(matstrack, OnChange, dkallmmChange) X(hojd, OnChange, dkallmmChange) X(hkallmm, OnChange, hkallmmChange) \
    X(Ventilkallmm, OnChange, VentilkallmmChange) \
    X(abstryckantal, OnChange, abstryckantalchange) X(abstryckantal, OnExit, abstryckantalchange) \
    X(abstryckmaxantal, OnExit, abstryckantalchange) X(molekylviktvG, OnExit, abstryckantalchange) \
    X(abstrycksort, OnChange, abstrycksortChange) X(angtryckantal, OnChange, angtryckantalChange) \
    X(angtrycksort, OnChange, angtrycksortChange) X(krittryckantal, OnChange, krittryckantalChange) \
    X(krittrycksort, OnChange, krittrycksortChange) X(difftryckmaxantal, OnChange, difftryckmaxantalChange) \
    X(difftryckmaxsort, OnChange, difftryckmaxsortchange) \
    X(difftryckmaxmaxgrsort, OnChange, difftryckmaxmaxgrsortChange) \
    X(difftryckmaxmingrsort, OnChange, difftryckmaxmingrsortChange) \
    X(tryckforlmaxantal, OnChange, tryckforlmaxantalChange) X(tryckforlmaxsort, OnChange, tryckforlmaxsortChange) \
    X(temp, OnExit, tempChange) X(tempmin, OnExit, tempChange) \
    X(maxflowsort, OnChange, maxflowsortchange) X(maxflowantal, OnChange, maxflowantalChange) \
    X(primelement, OnChange, maxflowantalChange) X(maxflownormaldens, OnChange, maxflownormaldensChange) \
    /* the unit-conversion page and the graph */ \
    X(Sortergrid, OnSelectCell, SortergridSelectCell) X(Sortergrid, OnMouseMove, SortergridMouseMove) \
    X(Sortergrid, OnKeyUp, SortergridKeyUp) X(PaintBox1, OnPaint, PaintBox1Paint) \
    /* the code generator */ \
    X(kod, OnClick, kodClick) X(BigBlock, OnClick, BBclick)
// clang-format on
