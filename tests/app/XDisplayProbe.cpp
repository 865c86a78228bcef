#include "XDisplayProbe.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace
{
::Display* dpy (void* d) { return static_cast<::Display*> (d); }

juce::String windowTitle (::Display* d, ::Window w)
{
    // The framework writes the title as UTF8_STRING, which XFetchName does not return.
    XTextProperty property {};

    if (XGetWMName (d, w, &property) == 0 || property.value == nullptr)
        return {};

    const auto title = juce::String::fromUTF8 (reinterpret_cast<const char*> (property.value), (int) property.nitems);
    XFree (property.value);
    return title;
}

/** While it lives, an X error on the probe's requests makes the request fail
    instead of ending the process: the application creates and destroys
    windows of its own while it starts, so a window just listed may be gone
    by the next request about it. */
class SoftXErrors
{
public:
    explicit SoftXErrors (::Display* d) : display (d), previous (XSetErrorHandler (ignore)) {}

    ~SoftXErrors()
    {
        XSync (display, False); // errors of requests still queued arrive while ignored
        XSetErrorHandler (previous);
    }

private:
    static int ignore (::Display*, XErrorEvent*) { return 0; }

    ::Display* display;
    XErrorHandler previous;

    JUCE_DECLARE_NON_COPYABLE (SoftXErrors)
};
} // namespace

XDisplayProbe::XDisplayProbe() : display (XOpenDisplay (nullptr))
{
}

XDisplayProbe::~XDisplayProbe()
{
    if (display != nullptr)
        XCloseDisplay (dpy (display));
}

void XDisplayProbe::createWindowManagerAtoms()
{
    for (const char* name : { "WM_PROTOCOLS", "WM_DELETE_WINDOW", "WM_TAKE_FOCUS", "_NET_WM_PING",
                              "_MOTIF_WM_HINTS", "_NET_WM_ALLOWED_ACTIONS", "_NET_WM_ACTION_MINIMIZE",
                              "_NET_WM_ACTION_CLOSE", "_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_FULLSCREEN" })
        XInternAtom (dpy (display), name, False);

    XSync (dpy (display), False);
}

unsigned long XDisplayProbe::findWindow (const juce::String& title)
{
    auto* d = dpy (display);
    const SoftXErrors softErrors (d);
    ::Window root = DefaultRootWindow (d), parent = 0, *children = nullptr;
    unsigned int count = 0;
    unsigned long found = 0;

    if (XQueryTree (d, root, &root, &parent, &children, &count) == 0)
        return 0;

    for (unsigned int i = 0; i < count && found == 0; ++i)
    {
        XWindowAttributes attributes;

        if (XGetWindowAttributes (d, children[i], &attributes) != 0 && attributes.map_state == IsViewable
            && windowTitle (d, children[i]) == title)
            found = children[i];
    }

    if (children != nullptr)
        XFree (children);

    return found;
}

XDisplayProbe::Facts XDisplayProbe::describe (unsigned long window)
{
    auto* d = dpy (display);
    const SoftXErrors softErrors (d);
    Facts facts;

    XWindowAttributes attributes;
    if (XGetWindowAttributes (d, window, &attributes) != 0)
        facts.size = { attributes.width, attributes.height };

    XClassHint classHint {};
    if (XGetClassHint (d, window, &classHint) != 0)
    {
        facts.className = juce::CharPointer_UTF8 (classHint.res_name);
        XFree (classHint.res_name);
        XFree (classHint.res_class);
    }

    const auto actions = XInternAtom (d, "_NET_WM_ACTION_CLOSE", True) != 0
                             ? XInternAtom (d, "_NET_WM_ALLOWED_ACTIONS", True) : 0;
    Atom actionsType = 0;
    int actionsFormat = 0;
    unsigned long actionCount = 0, actionsLeft = 0;
    unsigned char* actionData = nullptr;

    if (actions != 0
        && XGetWindowProperty (d, window, actions, 0, 32, False, XA_ATOM, &actionsType, &actionsFormat, &actionCount,
                               &actionsLeft, &actionData) == Success
        && actionData != nullptr)
    {
        const auto* atoms = reinterpret_cast<const Atom*> (actionData);

        for (unsigned long i = 0; i < actionCount; ++i)
        {
            if (char* name = XGetAtomName (d, atoms[i]))
            {
                facts.allowedActions.add (name);
                XFree (name);
            }
        }

        XFree (actionData);
    }

    const auto motif = XInternAtom (d, "_MOTIF_WM_HINTS", True);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, remaining = 0;
    unsigned char* data = nullptr;

    if (motif != 0
        && XGetWindowProperty (d, window, motif, 0, 5, False, AnyPropertyType, &type, &format, &items, &remaining, &data) == Success
        && data != nullptr)
    {
        if (format == 32 && items >= 3)
        {
            const auto* values = reinterpret_cast<const long*> (data); // format 32 comes as longs
            facts.hasMotifHints = true;
            facts.motifFunctions = values[1];
            facts.motifDecorations = values[2];
        }

        XFree (data);
    }

    return facts;
}

juce::Image XDisplayProbe::capture (unsigned long window)
{
    auto* d = dpy (display);
    const SoftXErrors softErrors (d);
    XWindowAttributes attributes;

    if (XGetWindowAttributes (d, window, &attributes) == 0)
        return {};

    auto* xImage = XGetImage (d, window, 0, 0, (unsigned int) attributes.width, (unsigned int) attributes.height,
                              AllPlanes, ZPixmap);
    if (xImage == nullptr)
        return {};

    juce::Image image (juce::Image::RGB, attributes.width, attributes.height, false);

    for (int y = 0; y < attributes.height; ++y)
    {
        for (int x = 0; x < attributes.width; ++x)
        {
            const auto pixel = XGetPixel (xImage, x, y);
            image.setPixelAt (x, y, juce::Colour ((juce::uint8) ((pixel & xImage->red_mask) >> 16),
                                                  (juce::uint8) ((pixel & xImage->green_mask) >> 8),
                                                  (juce::uint8) (pixel & xImage->blue_mask)));
        }
    }

    XDestroyImage (xImage);
    return image;
}

void XDisplayProbe::requestClose (unsigned long window)
{
    auto* d = dpy (display);
    const SoftXErrors softErrors (d);
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom (d, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long) XInternAtom (d, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;

    XSendEvent (d, window, False, NoEventMask, &event);
    XFlush (d);
}
