#pragma once

#include "app/frm_aguarde.hpp"
#include "app/frm_config.hpp"
#include "app/frm_monitor.hpp"
#include "app/frm_princ.hpp"
#include "app/frm_sobre.hpp"

namespace vezu {

// The program's five windows, created hidden in this order; the main
// window comes first and is the one that ends the program.
class AppWindows {
public:
    AppWindows(UserInteraction& ui, const FormatSettings& fs);

    vezu::FrmPrinc FrmPrinc;
    vezu::FrmConfig FrmConfig;
    vezu::FrmMonitor FrmMonitor;
    vezu::FrmAguarde FrmAguarde;
    vezu::FrmSobre FrmSobre;
};

} // namespace vezu
