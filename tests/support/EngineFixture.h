// A fresh engine for one test: the process state with its main window and game
// client, attached to a scripted host whose lines the test queues up front.
#pragma once

#include <gtest/gtest.h>

#include "app/MainForm.h"
#include "platform/ScriptedHost.h"
#include "session/Choices.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/Location.h"

class EngineFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProcess();
        TProcess& process = Process();
        process.Host = &TestHost;
        process.MainForm = std::make_unique<TForm1>();
        process.Client = std::make_unique<TGameClient>(*process.MainForm);
        TestHost.Attach(process.MainForm.get(), &process.MainForm->RichEdit1, &process.Random);
        TestHost.Print = [this](const std::string& text) { Printed.push_back(text); };
    }

    void TearDown() override { ResetProcess(); }

    // An open session: a book, a choice manager, and a place to be.
    void OpenSession()
    {
        Process().GameDir = "/tmp/vellumora-test-game";
        GameClient().CreateOptions();
        GameClient().CurrentLocation = &Here;
    }

    TForm1& Form() { return MainForm(); }
    TOptionManager& Options() { return *GameClient().Options; }
    // What the output pane holds now, a line per paragraph.
    std::string Screen() { return MainForm().RichEdit1.WrittenText(); }
    void Queue(const std::string& lines) { TestHost.AddLines(lines); }

    TScriptedHost TestHost;
    TLocation Here;
    std::vector<std::string> Printed;
};
