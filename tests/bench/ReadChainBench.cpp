#include "Benchmark.h"

#include "../app/SpawnedApp.h"
#include "KbdSettingComponentVT49.h"
#include "SimMidiPorts.h"
#include "SimulatedKeyboard.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <atomic>
#include <dlfcn.h>

namespace
{
constexpr double kPauseMs = 2.0;

/** Takes the time of one info code, at its place among the panel's listeners. */
struct CodeClock final : ZelManagerListener
{
    explicit CodeClock (int codeToTime) : code (codeToTime) {}

    void ZelInfoReceived (int c, int, int, void*) override
    {
        if (c == code)
            timeMs = Benchmark::nowMs();
    }

    const int code;
    std::atomic<double> timeMs { 0 };
};

juce::MidiMessage identityReply()
{
    const juce::uint8 bytes[] { 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x00, 0x3F, 0x6E, 0x02, 0x00,
                                0x03, 0x00, 0x00, 0x01, 0x02, 0x03, 0xF7 };
    return juce::MidiMessage (bytes, (int) sizeof (bytes));
}

double median (std::vector<double> values)
{
    std::sort (values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

//==============================================================================
/** The few X calls that the window timing needs, loaded as the framework loads them. */
struct XCalls
{
    XCalls()
    {
        library = dlopen ("libX11.so.6", RTLD_NOW);

        if (library == nullptr)
            return;

        load (openDisplay, "XOpenDisplay");
        load (closeDisplay, "XCloseDisplay");
        load (internAtom, "XInternAtom");
        load (queryTree, "XQueryTree");
        load (getWMName, "XGetWMName");
        load (getWindowAttributes, "XGetWindowAttributes");
        load (free, "XFree");
        load (sendEvent, "XSendEvent");
        load (flush, "XFlush");
        load (setErrorHandler, "XSetErrorHandler");
    }

    ~XCalls()
    {
        if (library != nullptr)
            dlclose (library);
    }

    template <typename Fn>
    void load (Fn& fn, const char* name)
    {
        fn = reinterpret_cast<Fn> (dlsym (library, name));
        complete = complete && fn != nullptr;
    }

    void* library = nullptr;
    bool complete = true;
    Display* (*openDisplay) (const char*) = nullptr;
    int (*closeDisplay) (Display*) = nullptr;
    Atom (*internAtom) (Display*, const char*, int) = nullptr;
    Status (*queryTree) (Display*, Window, Window*, Window*, Window**, unsigned int*) = nullptr;
    Status (*getWMName) (Display*, Window, XTextProperty*) = nullptr;
    Status (*getWindowAttributes) (Display*, Window, XWindowAttributes*) = nullptr;
    int (*free) (void*) = nullptr;
    Status (*sendEvent) (Display*, Window, int, long, XEvent*) = nullptr;
    int (*flush) (Display*) = nullptr;
    XErrorHandler (*setErrorHandler) (XErrorHandler) = nullptr;
};

// Windows come and go while they are looked at; the default handler would end the program.
int ignoreXError (Display*, XErrorEvent*) { return 0; }

Window viewableWindow (XCalls& x, Display* d, const juce::String& title)
{
    Window root = DefaultRootWindow (d), parent = 0, *children = nullptr, found = 0;
    unsigned int count = 0;

    if (x.queryTree (d, root, &root, &parent, &children, &count) == 0)
        return 0;

    for (unsigned int i = 0; i < count && found == 0; ++i)
    {
        XWindowAttributes attributes;
        XTextProperty name {};

        // Visible means mapped at its full size: the framework may map it smaller first.
        if (x.getWindowAttributes (d, children[i], &attributes) == 0 || attributes.map_state != IsViewable
            || attributes.width != 1024 || attributes.height != 660
            || x.getWMName (d, children[i], &name) == 0 || name.value == nullptr)
            continue;

        if (juce::String::fromUTF8 (reinterpret_cast<const char*> (name.value), (int) name.nitems) == title)
            found = children[i];

        x.free (name.value);
    }

    if (children != nullptr)
        x.free (children);

    return found;
}

/** Milliseconds from starting the program to its window being viewable; -1 when it never shows. */
double startToVisibleWindow (XCalls& x, Display* d, const juce::File& program, const juce::String& title)
{
    const auto start = Benchmark::nowMs();
    SpawnedApp app (program, juce::File::createTempFile ("output.txt"));
    Window window = 0;

    while (app.started && (window = viewableWindow (x, d, title)) == 0 && Benchmark::nowMs() - start < 30000)
        juce::Thread::sleep (1);

    const double elapsed = window != 0 ? Benchmark::nowMs() - start : -1.0;

    if (window != 0)
    {
        XEvent event {};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = x.internAtom (d, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = (long) x.internAtom (d, "WM_DELETE_WINDOW", False);
        x.sendEvent (d, window, False, NoEventMask, &event);
        x.flush (d);
        app.waitForExit (10000);
    }

    return elapsed;
}

juce::File findBuiltProgram (const juce::String& name)
{
    auto folder = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getParentDirectory();

    while (! folder.getChildFile ("CMakeCache.txt").exists() && folder.getParentDirectory() != folder)
        folder = folder.getParentDirectory();

    const auto found = folder.findChildFiles (juce::File::findFiles, true, name);
    return found.isEmpty() ? juce::File() : found.getFirst();
}
} // namespace

ORLUNE_BENCHMARK (panelReadsTheKeyboard)
{
    const double pausesStart = Benchmark::nowMs();
    for (int i = 0; i < 20; ++i)
        Clock::system().pauseMicroseconds (2000);
    const double pausesAlone = Benchmark::nowMs() - pausesStart;

    std::vector<double> runs;
    int sent = 0;

    for (int run = 0; run < 5; ++run)
    {
        SimMidiPorts ports (Clock::system());
        SimulatedKeyboard keyboard (ports, "Orlune Out", "Orlune In");
        keyboard.setSilent (true);
        KbdSettingComponentVT49 panel (ports, Clock::system(), Dialogs::framework());

        // From the connection, before the panel's own reaction, to the panel's last LED message.
        CodeClock connected (InfoCode::connected), ended (InfoCode::octaveShiftReceived);
        panel.getManager().listeners.insert (0, &connected);
        panel.getManager().listeners.add (&ended);
        keyboard.clearReceived();
        keyboard.setSilent (false);
        ports.deliver ("Orlune In", identityReply());

        const auto deadline = Benchmark::nowMs() + 10000;
        while (ended.timeMs == 0 && Benchmark::nowMs() < deadline)
            juce::Thread::sleep (1);

        ports.waitUntilIdle();
        sent = (int) keyboard.getReceived().size();
        runs.push_back (ended.timeMs - connected.timeMs);
    }

    report.figure ("read chain, connection to last LED message (median of 5)", median (runs), sent * kPauseMs, "ms");
    report.figure ("  the same against its " + juce::String (sent) + " real 2 ms pauses alone", median (runs),
                   pausesAlone * sent / 20.0, "ms");
}

ORLUNE_BENCHMARK (applicationStartsItsWindow)
{
    XCalls x;
    Display* d = x.library != nullptr && x.complete ? x.openDisplay (nullptr) : nullptr;

    if (d == nullptr)
    {
        std::printf ("  skipped: no X display (run it under xvfb-run)\n");
        return;
    }

    x.setErrorHandler (ignoreXError);

    // The atoms that a window manager creates, so that both programs publish the same window hints.
    for (const char* name : { "WM_PROTOCOLS", "WM_DELETE_WINDOW", "WM_TAKE_FOCUS", "_NET_WM_PING", "_MOTIF_WM_HINTS" })
        x.internAtom (d, name, False);

    const auto editor = findBuiltProgram ("Orlune Editor");
    const auto bare = findBuiltProgram ("Bare Window");

    if (editor == juce::File() || bare == juce::File())
    {
        std::printf ("  skipped: build the targets OrluneEditor and BareWindowApp first\n");
    }
    else
    {
        const juce::String editorTitle = "Tesmira Orlune 49-61 MIDI Control Center";
        std::vector<double> editorRuns, bareRuns;

        // One start of each first, so that both programs come from a warm file cache.
        startToVisibleWindow (x, d, bare, "Bare Window");
        startToVisibleWindow (x, d, editor, editorTitle);

        for (int run = 0; run < 5; ++run)
        {
            bareRuns.push_back (startToVisibleWindow (x, d, bare, "Bare Window"));
            editorRuns.push_back (startToVisibleWindow (x, d, editor, editorTitle));
        }

        report.figure ("start to visible window, editor against a bare window (median of 5)", median (editorRuns),
                       median (bareRuns), "ms");
    }

    x.closeDisplay (d);
}
