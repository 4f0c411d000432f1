#include <cstdint>
#include <string>

#include "settings/ini_file.hpp"
#include "settings_folder.hpp"

namespace vezu {
namespace {

using IniRead = SettingsFolder;

TEST_F(IniRead, TextValues) {
    struct Case {
        const char* file;
        const char* expected;
    };
    const Case cases[] = {
        {"[CONF]\r\nPorta=COM3\r\n", "COM3"},
        {"[CONF]\r\nPorta=\r\n", ""},
        {"[CONF]\nPorta=COM3", "COM3"},
        {"[conf]\r\nPORTA=COM3\r\n", "COM3"},
        {"  [ CONF ]  \r\n  Porta  =  COM3  \r\n", "COM3"},
        {"[CONF]\r\nPorta=\t\"COM3\" \r\n", "COM3"},
        {"[CONF]\r\nPorta=\" COM3 \"\r\n", " COM3 "},
        {"[CONF]\r\nPorta=\"\"COM3\"\"\r\n", "\"COM3\""},
        {"[CONF]\r\nPorta=\"COM3\r\n", "\"COM3"},
        {"[CONF]\r\nPorta=a=b\r\n", "a=b"},
        {"[CONF]\r\nPorta=first\r\nPorta=second\r\n", "first"},
        {"[CONF]\r\nPorta=first\r\n[CONF]\r\nPorta=second\r\n", "first"},
        {"[CONF]\r\n;Porta=COM9\r\nPorta=COM3\r\n", "COM3"},
        // The file is Windows-1252, not UTF-8.
        {"[CONF]\r\nPorta=Pe\xE3o\r\n", "Peão"},
        {"[CONF]\r\nPorta=\xC3\xA3\r\n", "Ã£"},
        // Not found: default.
        {"Porta=COM3\r\n[CONF]\r\n", "default"},
        {"[CONF]\r\n[OUTRA]\r\nPorta=COM3\r\n", "default"},
        {"[CONFIG]\r\nPorta=COM3\r\n", "default"},
        {"[CONF]\r\nPorta COM3\r\n", "default"},
        {"", "default"},
    };
    const std::string path = pathOf("Config.ini");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        putBytes(path, c.file);
        EXPECT_EQ(IniFile(path).readString("CONF", "Porta", "default"), c.expected);
    }
}

TEST_F(IniRead, TextIsCutAfter2047Characters) {
    const std::string path = pathOf("Config.ini");
    putBytes(path, "[CONF]\r\nPorta=\"" + std::string(2046, 'x') + "\xE9" + "yz\"\r\n");
    EXPECT_EQ(IniFile(path).readString("CONF", "Porta", ""), std::string(2046, 'x') + "é");
}

TEST_F(IniRead, IntegerValues) {
    struct Case {
        const char* text;
        std::int32_t expected;
    };
    constexpr std::int32_t kDefault = -99;
    const Case cases[] = {
        {"10", 10},
        {"0", 0},
        {"-7", -7},
        {"+7", 7},
        {"007", 7},
        {" 12 ", 12},
        {"\"12\"", 12},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"0x0F", 15},
        {"0X0f", 15},
        {"0x7FFFFFFF", 2147483647},
        {"0x80000000", -2147483647 - 1},
        {"0xFFFFFFFF", -1},
        // Anything else gives the default.
        {"", kDefault},
        {"2147483648", kDefault},
        {"-2147483649", kDefault},
        {"0x100000000", kDefault},
        {"0x", kDefault},
        {"0xG", kDefault},
        {"-0x10", kDefault},
        {"+-7", kDefault},
        {"+", kDefault},
        {"-", kDefault},
        {"1.5", kDefault},
        {"10s", kDefault},
        {"1 0", kDefault},
        {"$0F", kDefault},
        {"dez", kDefault},
    };
    const std::string path = pathOf("Config.ini");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        putBytes(path, std::string("[CONF]\r\nEsper=") + c.text + "\r\n");
        EXPECT_EQ(IniFile(path).readInteger("CONF", "Esper", kDefault), c.expected);
    }
}

TEST_F(IniRead, UnreadableFileGivesDefaults) {
    for (const std::string& path :
         {pathOf("missing.ini"), pathOf("missing/Config.ini"), folder_.string()}) {
        SCOPED_TRACE(path);
        IniFile ini(path);
        EXPECT_EQ(ini.readString("CONF", "Porta", "COM1"), "COM1");
        EXPECT_EQ(ini.readInteger("CONF", "Esper", 10), 10);
    }
}

} // namespace
} // namespace vezu
