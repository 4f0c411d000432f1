#include "app/app_windows.hpp"

namespace vezu {

AppWindows::AppWindows(UserInteraction& ui, const FormatSettings& fs)
    : FrmPrinc(ui, fs), FrmConfig(ui), FrmSobre(FrmPrinc.Monitor) {
    FrmPrinc.attachDialogs(FrmConfig, FrmSobre, FrmMonitor, FrmAguarde);
}

} // namespace vezu
