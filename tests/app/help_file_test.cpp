#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/help_file.hpp"

namespace vezu {
namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(HelpFile, IsFoundInTheInstalledDataFolderOrBesideTheProgram) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString installed = root.path() + "/usr/share/korbane-vezu/Ajuda.html";
    touch(installed);
    EXPECT_EQ(findHelpFile(root.path() + "/usr/bin"), QFileInfo(installed).canonicalFilePath());

    const QString built = root.path() + "/build/src/app/Ajuda.html";
    touch(built);
    EXPECT_EQ(findHelpFile(root.path() + "/build/src/app"), QFileInfo(built).canonicalFilePath());

    EXPECT_TRUE(findHelpFile(root.path() + "/elsewhere").isEmpty());
}

} // namespace
} // namespace vezu
