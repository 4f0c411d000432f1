#include <QDir>

#include "app/start_arguments.hpp"
#include "window_fixture.hpp"

namespace vezu {
namespace {

TEST(StartArguments, NamesTheListingToOpenAsAnAbsoluteFile) {
    struct Case {
        QStringList arguments;
        QString listing;
    };
    const QString here = QDir::currentPath();
    const Case cases[] = {
        {{"korbane-vezu"}, ""},
        {{"korbane-vezu", "/media/pen/LOTE01.TXT"}, "/media/pen/LOTE01.TXT"},
        {{"korbane-vezu", "Pesagens/LOTE 02.txt"}, here + "/Pesagens/LOTE 02.txt"},
        {{"korbane-vezu", "--", "-lote.txt"}, here + "/-lote.txt"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(listingFromCommandLine(cases[i].arguments), cases[i].listing) << i;
    }
}

TEST(StartArguments, HelpAndVersionAreToldApartFromAListing) {
    struct Case {
        QStringList arguments;
        bool onlyHelpOrVersion;
    };
    const Case cases[] = {
        {{"korbane-vezu"}, false},
        {{"korbane-vezu", "LOTE01.TXT"}, false},
        {{"korbane-vezu", "--version"}, true},
        {{"korbane-vezu", "LOTE01.TXT", "-h"}, true},
        {{"korbane-vezu", "--", "--help"}, false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(asksOnlyForHelpOrVersion(cases[i].arguments), cases[i].onlyHelpOrVersion) << i;
    }
}

TEST(StartArguments, WrongCommandLinesEndTheProgramWithUsageError) {
    for (const QStringList& arguments :
         {QStringList{"korbane-vezu", "--nada"}, QStringList{"korbane-vezu", "a.txt", "b.txt"}}) {
        EXPECT_EXIT(listingFromCommandLine(arguments), ::testing::ExitedWithCode(2),
                    "^korbane-vezu: ")
            << arguments.join(' ').toStdString();
    }
}

TEST(StartArguments, HelpAndVersionEndTheProgramWithSuccess) {
    for (const char* option : {"--help", "--version"}) {
        EXPECT_EXIT(listingFromCommandLine({"korbane-vezu", option}), ::testing::ExitedWithCode(0),
                    "")
            << option;
    }
}

} // namespace
} // namespace vezu
