#include "script/JavaScript.h"

#include <cstddef>
#include <cstdlib>
#include <utility>

#include "duktape.h"
#include "script/JavaScriptCommands.h"

namespace {

// Each block carries its size in front, for the memory cap.
using THeader = std::max_align_t;

size_t& SizeOf(void* block)
{
    return *reinterpret_cast<size_t*>(static_cast<THeader*>(block) - 1);
}

struct TCallRequest {
    const char* Function;
    const std::vector<int32_t>& Arguments;
    int32_t Result = -1;
};

// The program's function of the request's name, when it has one.
duk_ret_t CallFunction(duk_context* context, void* udata)
{
    TCallRequest& request = *static_cast<TCallRequest*>(udata);
    if (!duk_get_global_string(context, request.Function) || !duk_is_function(context, -1))
        return 0;
    for (const int32_t argument : request.Arguments)
        duk_push_int(context, argument);
    duk_call(context, static_cast<duk_idx_t>(request.Arguments.size()));
    request.Result = duk_is_number(context, -1) ? duk_get_int(context, -1) : 0;
    return 0;
}

} // namespace

int JavaScriptBudgetSpent(void* udata)
{
    TJavaScript& script = *static_cast<TJavaScript*>(udata);
    if (script.StepsLeft > 0) {
        --script.StepsLeft;
        return 0;
    }
    // From now on every check fails, until the script has unwound.
    script.OutOfSteps = true;
    return 1;
}

TJavaScript::TJavaScript(TScriptObject& owner, std::string source, int budget)
    : Owner(owner), Source(std::move(source)), Budget(budget)
{
}

TJavaScript::~TJavaScript()
{
    if (Heap)
        duk_destroy_heap(Heap);
}

TJavaScript& TJavaScript::Of(duk_hthread* context)
{
    duk_memory_functions functions;
    duk_get_memory_functions(context, &functions);
    return *static_cast<TJavaScript*>(functions.udata);
}

void* TJavaScript::Allocate(void* udata, size_t size)
{
    TJavaScript& script = *static_cast<TJavaScript*>(udata);
    if (size > MemoryCap - script.MemoryUsed)
        return nullptr;
    auto* header = static_cast<THeader*>(std::malloc(sizeof(THeader) + size));
    if (!header)
        return nullptr;
    void* block = header + 1;
    SizeOf(block) = size;
    script.MemoryUsed += size;
    return block;
}

void* TJavaScript::Reallocate(void* udata, void* block, size_t size)
{
    if (!block)
        return Allocate(udata, size);
    if (size == 0) {
        Free(udata, block);
        return nullptr;
    }
    TJavaScript& script = *static_cast<TJavaScript*>(udata);
    const size_t old = SizeOf(block);
    if (size > old && size - old > MemoryCap - script.MemoryUsed)
        return nullptr;
    auto* header = static_cast<THeader*>(std::realloc(static_cast<THeader*>(block) - 1, sizeof(THeader) + size));
    if (!header)
        return nullptr;
    block = header + 1;
    SizeOf(block) = size;
    script.MemoryUsed = script.MemoryUsed - old + size;
    return block;
}

void TJavaScript::Free(void* udata, void* block)
{
    if (!block)
        return;
    static_cast<TJavaScript*>(udata)->MemoryUsed -= SizeOf(block);
    std::free(static_cast<THeader*>(block) - 1);
}

int TJavaScript::OnThrow(duk_hthread* context)
{
    // The nearest caller with a line: the script's line, also when a command threw.
    TJavaScript& script = Of(context);
    script.ThrowLine = 0;
    for (duk_int_t level = -2; script.ThrowLine == 0; --level) {
        duk_inspect_callstack_entry(context, level);
        if (!duk_is_object(context, -1)) {
            duk_pop(context);
            break;
        }
        duk_get_prop_string(context, -1, "lineNumber");
        script.ThrowLine = duk_get_int(context, -1);
        duk_pop_2(context);
    }
    // The thrown value, unchanged.
    return 1;
}

// Hides Duktape's own object from the script once the throw hook is on it, binds
// the commands and runs the program's top level.
int TJavaScript::StartProgram(duk_hthread* context, void* udata)
{
    const std::string& source = *static_cast<const std::string*>(udata);
    duk_push_global_object(context);
    duk_get_prop_string(context, -1, "Duktape");
    duk_push_c_function(context, &OnThrow, 1);
    duk_put_prop_string(context, -2, "errThrow");
    duk_pop(context);
    duk_del_prop_string(context, -1, "Duktape");
    duk_pop(context);
    BindScriptCommands(context);
    duk_compile_lstring(context, 0, source.data(), source.size());
    duk_call(context, 0);
    return 0;
}

bool TJavaScript::Start(TOutcome& outcome)
{
    Heap = duk_create_heap(&Allocate, &Reallocate, &Free, this, nullptr);
    if (!Heap) {
        outcome.Error = "the script could not be started: out of memory";
        return false;
    }
    if (duk_safe_call(Heap, &StartProgram, &Source, 0, 1) == DUK_EXEC_SUCCESS) {
        duk_pop(Heap);
        return true;
    }
    TakeError(outcome);
    duk_destroy_heap(Heap);
    Heap = nullptr;
    return false;
}

void TJavaScript::TakeError(TOutcome& outcome)
{
    // A syntax error names its line in its message.
    const std::string where = ThrowLine > 0 ? "line " + std::to_string(ThrowLine) + ": " : "";
    outcome.Error = where + (OutOfSteps ? "the script ran too long and was stopped" : duk_safe_to_string(Heap, -1));
    duk_pop(Heap);
}

TJavaScript::TOutcome TJavaScript::Call(const char* function, const std::vector<int32_t>& arguments)
{
    StepsLeft = Budget;
    OutOfSteps = false;
    ThrowLine = 0;
    TOutcome outcome;
    if (Heap || Start(outcome)) {
        TCallRequest request{function, arguments};
        if (duk_safe_call(Heap, &CallFunction, &request, 0, 1) == DUK_EXEC_SUCCESS) {
            duk_pop(Heap);
            outcome.Result = request.Result;
        } else {
            TakeError(outcome);
        }
    }
    if (Deferred)
        std::rethrow_exception(std::exchange(Deferred, nullptr));
    return outcome;
}
