#include "DataCheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

void Touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(DataCheck, AnInstalledLayoutIsCompleteOnlyWithEverySoundAndSomeMusic)
{
    QTemporaryDir root;
    DivuzOptions options;
    options.ProgramFolder = root.filePath("usr/bin").toStdString();
    QDir().mkpath(root.filePath("usr/bin"));
    const QString data = root.filePath("usr/share/divuz");

    std::string report;
    EXPECT_FALSE(ReportData(options, report));
    EXPECT_NE(report.find("(0 of 14 files)"), std::string::npos) << report;
    EXPECT_NE(report.find("data: incomplete"), std::string::npos);

    for (int i = 0; i < SoundCount; ++i)
        Touch(data + "/Sound/" + QString::fromStdString(options.SoundNames[i]));
    EXPECT_FALSE(ReportData(options, report)) << "no music yet";
    Touch(data + "/Music/Piece.mid");
    EXPECT_TRUE(ReportData(options, report));
    EXPECT_NE(report.find("sounds: " + data.toStdString() + "/Sound/ (14 of 14 files)"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("music: " + data.toStdString() + "/Music/ (1 pieces)"),
              std::string::npos);
    EXPECT_NE(report.find("help: built in"), std::string::npos);
    EXPECT_NE(report.find("data: complete"), std::string::npos);
}
