#include "app/frm_princ.hpp"

namespace vezu {

// The report of the KR-10 listing, or of the KR-20 lot whose page is shown.
void FrmPrinc::PDFExecute() { reportCommands_.PDFExecute(Modelo, PageControl1->currentIndex(), CamCon); }

void FrmPrinc::ImprimirExecute() {
    reportCommands_.ImprimirExecute(Modelo, PageControl1->currentIndex(), CamCon);
}

} // namespace vezu
