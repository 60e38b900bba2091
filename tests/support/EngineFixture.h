// A fresh engine for one test: the process state with its main window and game
// client, attached to a scripted host whose lines the test queues up front.
#pragma once

#include <gtest/gtest.h>

#include "app/MainForm.h"
#include "data/SQLite.h"
#include "platform/ScriptedHost.h"
#include "rules/Effects.h"
#include "session/Choices.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/Location.h"
#include "world/LocationManager.h"

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

    // An open session at location 1003 whose book holds just the contents table:
    // where dropped things and bodies come to lie.
    void OpenSessionWithContents()
    {
        OpenSession();
        Here.Id = 1003;
        Form().LocationManager = std::make_unique<TLocationManager>();
        Process().SessionDb = std::make_unique<TSQLite3>();
        Process().SessionDb->Open(":memory:");
        Process().SessionDb->Execute(
            "create table loc_cont (loc_id INTEGER, ctype INTEGER, cont_id INTEGER, visible INTEGER)");
    }

    // The effects the effects manager holds, without the freed slots.
    std::vector<TEffect*> LiveEffects() const
    {
        std::vector<TEffect*> live;
        for (const auto& effect : Process().MainForm->EffectsManager->Effects())
            if (effect)
                live.push_back(effect.get());
        return live;
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
