#include "ui/report_writer_window.h"

#include "ui/form1.h"

namespace tubalyx {

const TFont& ReportWriterControls::Font() const { return Form1().Font(); }

int ReportWriterControls::ClientWidth() const { return Form1().ClientWidth(); }

const ReportWriterControls& ReportWriterWindow() {
    static const ReportWriterControls controls = [] {
        TForm1& f = Form1();
        return ReportWriterControls{.RichEdit1 = f.RichEdit1,
                                    .RichEdit2 = f.RichEdit2,
                                    .RichEdit5 = f.RichEdit5,
                                    .litenstor = f.litenstor,
                                    .Excel = f.Excel,
                                    .abstryckantal = f.abstryckantal,
                                    .abstryckmaxantal = f.abstryckmaxantal,
                                    .abstrycksort = f.abstrycksort,
                                    .temp = f.temp,
                                    .tempmin = f.tempmin,
                                    .tempsort = f.tempsort,
                                    .difftryckmaxsort = f.difftryckmaxsort,
                                    .maxflowsort = f.maxflowsort,
                                    .maxflowsortut = f.maxflowsortut,
                                    .dstorkallsort = f.dstorkallsort,
                                    .Dstorrahetmm = f.Dstorrahetmm,
                                    .givenrakin = f.givenrakin,
                                    .bestyckningtext = f.bestyckningtext,
                                    .fattringtextin = f.fattringtextin,
                                    .ABBSiemens = f.ABBSiemens,
                                    .fuktviktproc = f.fuktviktproc,
                                    .fuktvolproc = f.fuktvolproc,
                                    .ViktVolprocGrid = f.ViktVolprocGrid,
                                    .ViktVolprocgridfukt = f.ViktVolprocgridfukt,
                                    .GroupBox1 = f.GroupBox1,
                                    .densdriftbgtextin = f.densdriftbgtextin,
                                    .rbg = f.rbg,
                                    .viskbgtextin = f.viskbgtextin,
                                    .qbg = f.qbg,
                                    .qbgsort = f.qbgsort,
                                    .visk40bgtextin = f.visk40bgtextin,
                                    .q40bg = f.q40bg,
                                    .q40bgsort = f.q40bgsort,
                                    .visk100bgtextin = f.visk100bgtextin,
                                    .q100bg = f.q100bg,
                                    .q100bgsort = f.q100bgsort,
                                    .cpbgtextin = f.cpbgtextin,
                                    .cpbg = f.cpbg,
                                    .cvbgtextin = f.cvbgtextin,
                                    .cvbg = f.cvbg,
                                    .molekylviktbgtextin = f.molekylviktbgtextin,
                                    .molekylviktbg = f.molekylviktbg,
                                    .krittempbgtextin = f.krittempbgtextin,
                                    .krittempbg = f.krittempbg,
                                    .entalpibgtextin = f.entalpibgtextin,
                                    .entalpibg = f.entalpibg,
                                    .Z1bgtextin = f.Z1bgtextin,
                                    .Z1bg = f.Z1bg,
                                    .Znbgtextin = f.Znbgtextin,
                                    .Znbg = f.Znbg,
                                    .PTKompgrid = f.PTKompgrid,
                                    .Trycktemplabel = f.Trycktemplabel,
                                    .PTberfeltext = f.PTberfeltext,
                                    .PTberfel = f.PTberfel,
                                    .PTmaxerror = f.PTmaxerror,
                                    .PThelp = f.PThelp,
                                    .PTr0text = f.PTr0text,
                                    .ZLabel = f.ZLabel,
                                    .Z0Zn = f.Z0Zn,
                                    .fdens_mat = f.fdens_mat,
                                    .PTberex = f.PTberex,
                                    .Pmin = f.Pmin,
                                    .Pmax = f.Pmax,
                                    .Tmax = f.Tmax,
                                    .Matain = f.Matain,
                                    .Label2 = f.Label2,
                                    .BigBlock = f.BigBlock,
                                    .kod = f.kod,
                                    .Felsimulgrid = f.Felsimulgrid,
                                    .Felsimulgrid2 = f.Felsimulgrid2,
                                    .Felsimulrubrik = f.Felsimulrubrik,
                                    .osrubrik = f.osrubrik,
                                    .bermetoderrtextin = f.bermetoderrtextin,
                                    .Felsimulflrubrik = f.Felsimulflrubrik,
                                    .felsimulfl2rubrik = f.felsimulfl2rubrik,
                                    .Run1 = f.Run1,
                                    .vmargbox = f.vmargbox,
                                    .Numberspos = f.Numberspos,
                                    .ADysaLongradius1 = f.ADysaLongradius1,
                                    .mtrlfl1 = f.mtrlfl1,
                                    .Motstandgrid = f.Motstandgrid};
    }();
    return controls;
}

}  // namespace tubalyx
