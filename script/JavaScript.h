// A script's text run as JavaScript (Duktape) in a heap of its own, under an
// instruction budget and a memory cap, so that no script can hang the game or
// exhaust its memory. The heap lives as long as the object: what the program
// keeps in its globals lasts from one call to the next.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

struct duk_hthread;
class TScriptObject;

class TJavaScript {
public:
    // The budget counts Duktape's interrupts, one about every quarter of a million
    // bytecode instructions; each call gets it anew.
    static constexpr int DefaultBudget = 64;
    static constexpr size_t MemoryCap = size_t{32} << 20;

    // How a call ended: the function's answer, or what went wrong and on which
    // line ("line 3: ReferenceError: identifier 'x' undefined").
    struct TOutcome {
        int32_t Result = -1;
        std::string Error;
    };

    // The commands the program calls act for this script object.
    TJavaScript(TScriptObject& owner, std::string source, int budget);
    ~TJavaScript();
    TJavaScript(const TJavaScript&) = delete;
    TJavaScript& operator=(const TJavaScript&) = delete;

    // Runs the program's top level when it has not run yet, then the function of
    // that name with the arguments: its number (0 for any other answer), or -1
    // when the program has no such function. An exception that a command raised
    // and that is no error of the script (a host that stops) passes on.
    TOutcome Call(const char* function, const std::vector<int32_t>& arguments);

    // The object that runs in the heap, for the commands bound into it.
    static TJavaScript& Of(duk_hthread* context);
    TScriptObject& Owner;
    // Holds an exception until the script has unwound, to raise it then.
    void Defer(std::exception_ptr exception) { Deferred = std::move(exception); }

private:
    friend int JavaScriptBudgetSpent(void* udata);
    static void* Allocate(void* udata, size_t size);
    static void* Reallocate(void* udata, void* block, size_t size);
    static void Free(void* udata, void* block);
    // Notes the line of every throw, as Duktape's error hook.
    static int OnThrow(duk_hthread* context);
    static int StartProgram(duk_hthread* context, void* udata);

    // Creates the heap and runs the program; false with the error when either fails.
    bool Start(TOutcome& outcome);
    // Takes the error of a failed run off the stack into the outcome.
    void TakeError(TOutcome& outcome);

    std::string Source;
    int Budget;
    int StepsLeft = 0;
    bool OutOfSteps = false;
    size_t MemoryUsed = 0;
    // The line of the last throw, where the script was when it went wrong.
    int ThrowLine = 0;
    std::exception_ptr Deferred;
    duk_hthread* Heap = nullptr;
};
