// The Generate and Web-edition actions.
#include "window/actions.hpp"

#include "article/article.hpp"
#include "controls/gdi.hpp"
#include "window/description.hpp"
#include "window/main_window.hpp"

#include <windows.h>

namespace {

using OwnedHandle = Owned<HANDLE, CloseHandle>;

} // namespace

void generate_article()
{
    const Text subject = read_box(control_index("编辑框1"));
    const Text event = read_box(control_index("编辑框2"));
    const Text explanation = read_box(control_index("编辑框3"));
    const Text article = compose_article(subject, event, explanation);
    release_text(subject);
    release_text(event);
    release_text(explanation);
    write_box(control_index("编辑框4"), article);
    release_text(article);
}

void open_web_edition()
{
    // The system may write into the command line it is given, so it gets a copy.
    char command[sizeof kWebEditionCommand];
    CopyMemory(command, kWebEditionCommand, sizeof command);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return;
    // Declared so that the thread's handle is closed first, then the process's.
    const OwnedHandle process(started.hProcess);
    const OwnedHandle thread(started.hThread);
    WaitForInputIdle(process.get(), 1000);
}
