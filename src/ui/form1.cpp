#include "ui/form1.h"

namespace tubalyx {

TForm1::TForm1() : TForm("Form1") {
    SetCaption("Tubalyx.1404:");
    ViktVolprocGrid.SetColCount(6);
    ViktVolprocGrid.SetRowCount(13);
    ViktVolprocGrid.SetFixedRows(2);
    ViktVolprocgridfukt.SetColCount(6);
    ViktVolprocgridfukt.SetRowCount(13);
    ViktVolprocgridfukt.SetFixedRows(2);

    GAS = Mediamenu.Add("GAS");
    IGAS = Mediamenu.Add("IGAS");
    G = Mediamenu.Add("G");
    LIQ = Mediamenu.Add("LIQ");
    LUF = Mediamenu.Add("LUF");
    VAT = Mediamenu.Add("VAT");
    ANG = Mediamenu.Add("ANG");
    MNG = Mediamenu.Add("MNG");
    AR = Mediamenu.Add("AR");
    CH4 = Mediamenu.Add("CH4");
    CO = Mediamenu.Add("CO");
    CO2 = Mediamenu.Add("CO2");
    Propan1 = Mediamenu.Add("Propan1");
    Propanvtska1 = Mediamenu.Add("Propanvtska1");
    H2 = Mediamenu.Add("H2");
    Naturgas = Mediamenu.Add("Naturgas");
    N2 = Mediamenu.Add("N2");
    NH3 = Mediamenu.Add("NH3");
    O2 = Mediamenu.Add("O2");
    O3 = Mediamenu.Add("O3");
    Olja = Mediamenu.Add("Olja");
}

TForm1& Form1() {
    static TForm1 form;
    return form;
}

}  // namespace tubalyx
