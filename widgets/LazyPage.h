#pragma once

#include <functional>
#include <utility>

class QWidget;

namespace mirvane {

// The controls of a page that is made the first time it is needed: when it
// is first shown, or when a handler or a caller reaches one of its controls
// before that. Making it shows its controls, unless one of them was hidden
// on purpose while it was made.
class TLazyPage {
public:
    TLazyPage(QWidget*& Page, std::function<void(QWidget&)> Build) : Page(Page), Build(std::move(Build)) {}
    TLazyPage(const TLazyPage&) = delete;
    TLazyPage& operator=(const TLazyPage&) = delete;

    bool Made() const { return Done; }
    void Make();
    // Makes the page as it is being shown, before the page control looks
    // for the control to give the focus to.
    void MakeWhenShown();

private:
    QWidget*& Page;
    std::function<void(QWidget&)> Build;
    bool Done = false;
};

// One control of a lazily made page. It reads as the plain pointer to the
// control; reading it makes the page first, if it was not made yet.
template <typename TControl>
class TPageControl {
public:
    explicit TPageControl(TLazyPage& Page) : Page(&Page) {}
    // A copy is a reading: it makes the page and holds the control made.
    TPageControl(const TPageControl& Other) : Page(Other.Page), Control(Other.get()) {}
    TPageControl& operator=(const TPageControl&) = delete;
    ~TPageControl() = default;

    TPageControl& operator=(TControl* Made)
    {
        Control = Made;
        return *this;
    }
    TControl* get() const
    {
        Page->Make();
        return Control;
    }
    TControl* operator->() const { return get(); }
    TControl& operator*() const { return *get(); }
    operator TControl*() const { return get(); }  // NOLINT(google-explicit-constructor): reads as the pointer

private:
    TLazyPage* Page;
    TControl* Control = nullptr;
};

}  // namespace mirvane
