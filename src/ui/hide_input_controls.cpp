#include "ui/hide_input_controls.h"

#include "reports/compensation_table.h"
#include "ui/form1.h"

namespace tubalyx {

void HideHumidityControls() {
    TForm1& f = Form1();
    for (TControl* c : {static_cast<TControl*>(&f.relabsfukt), static_cast<TControl*>(&f.relabsspecfukt),
                        static_cast<TControl*>(&f.molekylviktvG), static_cast<TControl*>(&f.molekylviktGtext)})
        c->SetVisible(false);
}

void HideInputControls() {
    TForm1& f = Form1();
    ShowCompensationTableControls(false);
    // clang-format off
    TControl* const before[] = {
        &f.Graftext, &f.grafred, &f.grafblue, &f.grafblack, &f.grafyellow, &f.grafdp, &f.grafq,
        &f.litenstor, &f.selectall, &f.kodkomment, &f.Pmin, &f.PTberex, &f.BigBlock, &f.Pmax,
        &f.UpDown1, &f.Fjrreffektosak, &f.fjrrrun, &f.RichEdit1, &f.Grafval, &f.RichEdit2,
        &f.RichEdit3, &f.Memo2, &f.Sortergrid, &f.Cf, &f.Cftext, &f.kaltemp, &f.kaltemptext,
        &f.kalminreyn, &f.kalminreyntext, &f.kalmaxreyn, &f.kalmaxreyntext, &f.ISODIN, &f.Strypbertyp,
        &f.strypsort, &f.mtrlfl, &f.utvfl, &f.utvfltext, &f.utvflbtext, &f.utvflb, &f.mtrlror,
        &f.utvrortext, &f.utvror, &f.utvrorbtext, &f.utvrorb, &f.rordiamtextin, &f.Dstorkallmm,
        &f.dstorkallsort, &f.rahettextin, &f.Dstorrahetmm, &f.kantradietextin, &f.kantradie,
        &f.Differenstryck, &f.difftryckmaxantal, &f.difftryckmaxsort, &f.dkallmmtext, &f.dkallmm,
        &f.hkallmmtext, &f.hkallmm, &f.maxflowtext, &f.adiabat, &f.maxflowantal, &f.maxflowsort,
        &f.maxflowsortut, &f.tryckforlmaxtext, &f.tryckforlmaxantal, &f.tryckforlmaxsort,
        &f.bestyckningtext, &f.okfelbidragtext, &f.givenrakin, &f.givenrakintext, &f.givenrakuttext,
        &f.givenrakut, &f.okfelbidrag, &f.Mediarubrik, &f.Medialabel, &f.temptext, &f.abstryckantal,
        &f.abstryckmaxantal, &f.abstrycksort, &f.abstrycktext, &f.abstryckmaxtext, &f.tempsort, &f.temp,
        &f.tempmintext, &f.tempmin, &f.vmargboxtext, &f.vmargbox, &f.Numberspostext, &f.Numberspos,
    };
    // clang-format on
    for (TControl* c : before) c->SetVisible(false);
    HideHumidityControls();
    // clang-format off
    TControl* const after[] = {
        &f.molekylvikttextin, &f.visktextin, &f.cptextin, &f.cvtextin, &f.entalpitextin,
        &f.densdrifttextin, &f.krittemptextin, &f.gasnamnintext, &f.fuktviktproc, &f.fuktvolproc,
        &f.massfukt, &f.deltryckprocarr, &f.GroupBox1, &f.ViktVolprocGrid, &f.ViktVolprocgridfukt,
        &f.matstrack, &f.hojd, &f.rorlangdtextin, &f.hojdskilltextin, &f.Motstandgrid, &f.PUNKTMOTSTAND,
        &f.fltext, &f.angtryckantal, &f.angtrycksort, &f.Ventilkallmm, &f.fl, &f.krittrycktext,
        &f.krittryckantal, &f.krittrycksort, &f.angtrycktext, &f.Ventildiamtext, &f.primeltextin,
        &f.primelement, &f.minflowtext, &f.minflowantal, &f.minflowsort, &f.rorovrgrtextin,
        &f.Dstormaxgrmm, &f.rornedrgrtextin, &f.Dstormingrmm, &f.maxdprubrikin,
        &f.difftryckmaxmaxgrsort, &f.difftryckmaxmaxgrantal, &f.mindprubrikin,
        &f.difftryckmaxmingrantal, &f.difftryckmaxmingrsort, &f.bermetodtextin, &f.bermetoderrtextin,
        &f.rakstracktextin, &f.reynstortextin, &f.rorstortextin, &f.rorlitentextin,
        &f.tillvunderlagtextin, &f.viktfakt1textin, &f.matvikt, &f.viktfakt2textin, &f.p1vikt,
        &f.fattringtextin, &f.plattjock, &f.plattjocktextin, &f.osrubrik, &f.Feltext,
        &f.felsimulfl2rubrik, &f.Rensarapport, &f.RAPPORT, &f.sidhuvud, &f.sidfot, &f.Felsimulgrid,
        &f.Felsimulrubrik, &f.bermetoderrtextin, &f.Felsimulflrubrik, &f.densnormaltext,
        &f.maxflownormaldens, &f.massflow, &f.Label1, &f.DSAprint, &f.Zoomrap, &f.ABBSiemens,
    };
    // clang-format on
    for (TControl* c : after) c->SetVisible(false);
}

}  // namespace tubalyx
