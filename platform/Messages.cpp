#include "Messages.h"

#include "Runtime.h"

#include <cstdio>
#include <new>
#include <utility>

namespace {

TMessageHook& MessageHook()
{
    static TMessageHook hook;
    return hook;
}

TMessageHook& ErrorHook()
{
    static TMessageHook hook;
    return hook;
}

void Show(const TMessageHook& hook, const char* prefix, const std::string& text)
{
    if (hook)
        hook(text);
    else
        std::fprintf(stderr, "%s%s\n", prefix, text.c_str());
}

} // namespace

void ShowMessage(const std::string& text)
{
    Show(MessageHook(), "", text);
}

TMessageHook SetShowMessageHook(TMessageHook hook)
{
    return std::exchange(MessageHook(), std::move(hook));
}

void ShowErrorBox(const std::string& text)
{
    Show(ErrorHook(), "Error: ", text);
}

TMessageHook SetErrorBoxHook(TMessageHook hook)
{
    return std::exchange(ErrorHook(), std::move(hook));
}

bool RunHandler(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const ERuntimeError& error) {
        ShowErrorBox(error.what());
    } catch (const std::bad_alloc&) {
        ShowErrorBox(EOutOfMemory().what());
    }
    return false;
}
