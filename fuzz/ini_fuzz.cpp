#include "base/error.hpp"
#include "fuzz_file.hpp"
#include "settings/ini_file.hpp"

using namespace vezu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IniFile ini(writeFuzzFile(data, size));
    ini.readString("CONF", "Porta", "COM1");
    ini.readInteger("CONF", "Esper", 10);
    ini.readInteger("CONF", "Indic", -1);
    ini.writeString("CONF", "Porta", "ttyUSB0");
    ini.writeInteger("CONF", "Esper", 15);
    if (ini.readInteger("CONF", "Esper", 0) != 15 ||
        ini.readString("CONF", "Porta", "") != "ttyUSB0") {
        __builtin_trap(); // a write must read back
    }
    return 0;
}
