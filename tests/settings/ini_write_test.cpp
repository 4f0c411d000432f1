#include <filesystem>
#include <string>

#include "base/error.hpp"
#include "settings/ini_file.hpp"
#include "settings_folder.hpp"

namespace vezu {
namespace {

namespace fs = std::filesystem;

using IniWrite = SettingsFolder;

void applyDialog(IniFile& ini) {
    ini.writeString("CONF", "Porta", "COM3");
    ini.writeInteger("CONF", "Esper", 10);
    ini.writeInteger("CONF", "Indic", 1);
}

TEST_F(IniWrite, DialogCreatesTheFile) {
    IniFile ini(pathOf("Config.ini"));
    applyDialog(ini);
    const std::string expected = "[CONF]\r\nPorta=COM3\r\nEsper=10\r\nIndic=1\r\n";
    EXPECT_EQ(bytesOf(ini.path()), expected);
    EXPECT_EQ(ini.readString("CONF", "Porta", ""), "COM3");
    EXPECT_EQ(ini.readInteger("CONF", "Esper", 0), 10);
    EXPECT_EQ(ini.readInteger("CONF", "Indic", 0), 1);

    applyDialog(ini);
    EXPECT_EQ(bytesOf(ini.path()), expected);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(IniWrite, EditsKeepEveryOtherLine) {
    struct Case {
        const char* name;
        const char* before;
        const char* key;
        const char* value;
        const char* after;
    };
    const Case cases[] = {
        {"replace in place",
         "; Korbane\n[OUTRA]\r\nPorta=X\r\n\r\n[conf]\nporta = COM1 \nEsper=5\n\n[FIM]\r\nA=1",
         "Porta", "COM4",
         "; Korbane\n[OUTRA]\r\nPorta=X\r\n\r\n[conf]\nporta=COM4\r\nEsper=5\n\n[FIM]\r\nA=1"},
        {"replace the first of two", "[CONF]\r\nEsper=1\r\nEsper=2\r\n", "esper", "10",
         "[CONF]\r\nEsper=10\r\nEsper=2\r\n"},
        {"empty value", "[CONF]\r\nPorta=COM3\r\n", "Porta", "", "[CONF]\r\nPorta=\r\n"},
        {"Windows-1252 value", "[CONF]\r\n", "Porta", "Peão", "[CONF]\r\nPorta=Pe\xE3o\r\n"},
        {"append before blank lines and the next section",
         "[CONF]\r\nPorta=COM3\r\n; fim\r\n\r\n\r\n[OUTRA]\r\nEsper=1\r\n", "Esper", "10",
         "[CONF]\r\nPorta=COM3\r\n; fim\r\nEsper=10\r\n\r\n\r\n[OUTRA]\r\nEsper=1\r\n"},
        {"append to an empty section", "[CONF]\r\n[OUTRA]\r\n", "Esper", "10",
         "[CONF]\r\nEsper=10\r\n[OUTRA]\r\n"},
        {"append after a last line without line end", "[CONF]\r\nPorta=COM3", "Esper", "10",
         "[CONF]\r\nPorta=COM3\r\nEsper=10\r\n"},
        {"new section at the end", "[OUTRA]\nX=1", "Esper", "10",
         "[OUTRA]\nX=1\r\n[CONF]\r\nEsper=10\r\n"},
        {"new section after blank lines", "[OUTRA]\r\nX=1\r\n\r\n", "Esper", "10",
         "[OUTRA]\r\nX=1\r\n\r\n[CONF]\r\nEsper=10\r\n"},
        {"empty file", "", "Esper", "10", "[CONF]\r\nEsper=10\r\n"},
    };
    const std::string path = pathOf("Config.ini");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        putBytes(path, c.before);
        IniFile(path).writeString("CONF", c.key, c.value);
        EXPECT_EQ(bytesOf(path), c.after);
    }
}

TEST_F(IniWrite, UnwritableFileThrows) {
    putBytes(pathOf("plain"), "x");
    fs::create_directory(pathOf("Config.ini"));
    for (const std::string& path :
         {pathOf("missing/Config.ini"), pathOf("plain/Config.ini"), pathOf("Config.ini")}) {
        SCOPED_TRACE(path);
        IniFile ini(path);
        try {
            ini.writeInteger("CONF", "Esper", 10);
            ADD_FAILURE() << "no error";
        } catch (const InOutError& error) {
            EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
        }
    }
    EXPECT_TRUE(fs::is_directory(pathOf("Config.ini")));
    EXPECT_EQ(bytesOf(pathOf("plain")), "x");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);
}

TEST_F(IniWrite, ReadOnlyFileStaysAsItWas) {
    const std::string path = pathOf("Config.ini");
    const std::string before = "[CONF]\r\nEsper=5\r\n";
    putBytes(path, before);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_THROW(IniFile(path).writeInteger("CONF", "Esper", 10), InOutError);
    EXPECT_EQ(bytesOf(path), before);
}

} // namespace
} // namespace vezu
