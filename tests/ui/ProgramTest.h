#pragma once

// The whole program with its folder and settings store in temporary
// folders and a recording player in place of the sound card. A test puts
// files into the folder, then starts the program with the options it needs
// (an empty settings store keeps them).

#include "DivuzApp.h"
#include "DivuzDoc.h"
#include "GameTestSupport.h"
#include "MainFrame.h"
#include "RecordingMediaPlayer.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

class ProgramTest : public testing::Test
{
  protected:
    ProgramTest()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, myHome.path());
        QDir(myFolder.path()).mkdir("Music");
    }
    void TearDown() override
    {
        Stop();
        EXPECT_EQ(myErrors.texts, std::vector<std::string>{});
    }

    void AddPieces(const std::vector<QString> &names)
    {
        for (const QString &name : names)
            QFile(myFolder.filePath("Music/" + name)).open(QIODevice::WriteOnly);
    }
    // Instant answers, the player begins; setup changes the rest.
    void StartProgram(const std::function<void(DivuzOptions &)> &setup)
    {
        myApp = std::make_unique<CDivuzApp>(myFolder.path().toStdString());
        myPlayer = std::make_unique<RecordingMediaPlayer>(); // replaces the real one
        DivuzOptions options = myApp->GetOptions();
        options.Level = 0;
        options.WhoBeginsMode = 0;
        setup(options);
        myApp->SetOptions(options);
        ASSERT_TRUE(myApp->InitInstance());
    }
    void Stop()
    {
        if (!myApp)
            return;
        myApp->ExitInstance();
        myPlayer.reset();
        myApp.reset();
    }

    CMainFrame &Frame() { return *myApp->MainFrame(); }
    DataDivuzDoc Data()
    {
        DataDivuzDoc d;
        myApp->Document()->GetData(d);
        return d;
    }
    // Handles events until the engine has answered.
    void Settle()
    {
        ASSERT_TRUE(PumpUntilSettled([this] { return Data().IsThinking; }));
    }

    QTemporaryDir myHome;
    QTemporaryDir myFolder;
    ErrorRecorder myErrors;
    std::unique_ptr<CDivuzApp> myApp;
    std::unique_ptr<RecordingMediaPlayer> myPlayer;
};
