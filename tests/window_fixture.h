// Set-up shared by the window tests: a main window shown for each test function and torn down
// with every reference window after it, the panels' controls, the worked examples'
// computation, and modal boxes closed as a user would.
#pragma once

#include "common/language.h"
#include "common/platform.h"
#include "led_array/led_array_window.h"
#include "main_window/main_window.h"
#include "main_window_facts.h"
#include "reference/open_references.h"
#include "system_probes.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <array>
#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

// The windows the main window's buttons open, numbered for data rows: the reference windows by
// their ReferenceId, then the LED array planner.
inline constexpr int kPlannerWindow = varelux::kReferenceCount;
inline constexpr int kOpenableCount = kPlannerWindow + 1;

// The button of the main window that opens the window, as its layout says.
inline QString buttonOpening(int window)
{
    for (const varelux::MainWindowRow &row : varelux::mainWindowRows())
        if (window == kPlannerWindow ? row.opensLedArray
                                     : row.opens == varelux::ReferenceId(window))
            return row.control.name;
    qFatal("no button opens window %d", window);
}
inline QString buttonOpening(varelux::ReferenceId id)
{
    return buttonOpening(int(id));
}

// The window while it is open, else nullptr.
inline QWidget *openedWindow(int window)
{
    return window == kPlannerWindow ? varelux::openedLedArray()
                                    : varelux::openedReference(varelux::ReferenceId(window));
}

// Closes every open reference window and the planner, and deletes what waits for deletion.
inline void closeReferenceWindows()
{
    for (int id = 0; id < kOpenableCount; ++id)
        if (QWidget *window = openedWindow(id))
            window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Sees whether a window has been handed an update request.
class UpdateRequestSeen : public QObject {
public:
    explicit UpdateRequestSeen(QWindow *window) { window->installEventFilter(this); }
    bool seen = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        seen = seen || event->type() == QEvent::UpdateRequest;
        return false;
    }
};

// Waits on Wayland until a shown window is exposed and the compositor has answered its first
// frame (elsewhere returns at once): Qt 6.4's Wayland client can abort when a window hides just as
// that answer comes. Qt hands a window an update request only once no frame is outstanding; a
// window the compositor does not show (Weston keeps a minimised one so) gets none, and Qt then
// counts it as no longer exposed.
inline bool waitForFirstFrames(QWidget *window)
{
    if (!varelux::ui::onWayland())
        return true;
    if (!QTest::qWaitForWindowExposed(window)) // exposed, it has drawn and sent its first frame
        return false;
    QWindow *handle = window->windowHandle();
    UpdateRequestSeen request(handle);
    handle->requestUpdate();
    return QTest::qWaitFor([&] { return request.seen || !handle->isExposed(); }, 10000);
}

// Waits until a shown window takes input: until it is the active window, or on Wayland, where
// only the compositor makes a window active (and a headless one makes none active), until it is
// exposed and has drawn its first frames.
inline bool waitUntilUsable(QWidget *window)
{
    if (!varelux::ui::onWayland())
        return QTest::qWaitForWindowActive(window);
    return waitForFirstFrames(window);
}

// A window shown for as long as this object lives; then it is deleted, and so is every reference
// window still open.
template <typename Window> class Shown {
public:
    explicit Shown(Window *window = new Window) : m_window(window) { m_window->show(); }
    ~Shown()
    {
        delete m_window;
        closeReferenceWindows();
    }
    Shown(const Shown &) = delete;
    Shown &operator=(const Shown &) = delete;

    // Wait until the window can be drawn on, or until it takes input (waitUntilUsable); false
    // after five seconds.
    [[nodiscard]] bool exposed() const { return QTest::qWaitForWindowExposed(m_window); }
    [[nodiscard]] bool usable() const { return waitUntilUsable(m_window); }
    Window *get() const { return m_window; }
    Window *operator->() const { return m_window; }
    Window &operator*() const { return *m_window; }

private:
    Window *m_window;
};

// Base of the test classes that work on the main window: each test function gets a new one,
// made by createWindow(), shown and ready for input.
class MainWindowTest : public QObject {
    Q_OBJECT

protected:
    varelux::MainWindow &mainWindow() const { return **m_mainWindow; }
    virtual varelux::MainWindow *createWindow() { return new varelux::MainWindow; }

private slots:
    void init()
    {
        // In Italian, as the program starts without a language asked for, plural forms included.
        varelux::ui::useLanguage(varelux::ui::kItalian);
        m_mainWindow.emplace(createWindow());
        QVERIFY(m_mainWindow->usable());
    }
    void cleanup() { m_mainWindow.reset(); }

private:
    std::optional<Shown<varelux::MainWindow>> m_mainWindow;
};

template <typename T = QWidget> T *control(const QWidget &mainWindow, const QString &name)
{
    T *found = mainWindow.findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// The controls of each panel by name, as the layout names them, in Circuit order: single-LED,
// series, parallel. Tests name a panel by its index.
struct PanelNames {
    QString supply, ledVoltage, current, count, resistance, power, calculate, clear;
};

inline PanelNames panelNames(varelux::Circuit circuit)
{
    using varelux::PanelPart;
    auto name = [circuit](PanelPart part) { return varelux::controlName(circuit, part); };
    return {name(PanelPart::Supply),          name(PanelPart::LedVoltage), name(PanelPart::Current),
            name(PanelPart::Count),           name(PanelPart::Resistance), name(PanelPart::Power),
            name(PanelPart::CalculateButton), name(PanelPart::ClearButton)};
}

inline constexpr int kPanelCount = varelux::kCircuitCount;

inline const PanelNames kPanels[] = {panelNames(varelux::Circuit::SingleLed),
                                     panelNames(varelux::Circuit::Series),
                                     panelNames(varelux::Circuit::Parallel)};
static_assert(std::size(kPanels) == kPanelCount, "names for every circuit's panel");

inline const QStringList kEmptyPanel(6);

// Everything a user sees of one panel: the four fields and the two results.
inline QStringList panelTexts(const QWidget &mainWindow, int panel)
{
    const PanelNames &p = kPanels[panel];
    QStringList texts;
    for (const QString &field : {p.supply, p.ledVoltage, p.current, p.count})
        texts << (field.isEmpty() ? QString() : control<QLineEdit>(mainWindow, field)->text());
    texts << control<QLabel>(mainWindow, p.resistance)->text()
          << control<QLabel>(mainWindow, p.power)->text();
    return texts;
}

inline void fill(const QWidget &mainWindow, int panel, const QStringList &fields)
{
    const PanelNames &p = kPanels[panel];
    const QString names[] = {p.supply, p.ledVoltage, p.current, p.count};
    for (int i = 0; i < 4; ++i)
        if (!names[i].isEmpty())
            control<QLineEdit>(mainWindow, names[i])->setText(fields.value(i));
}

inline void click(const QWidget &mainWindow, const QString &button)
{
    QTest::mouseClick(control(mainWindow, button), Qt::LeftButton);
}

// Fills a panel and presses its "Calcola".
inline void compute(const QWidget &mainWindow, int panel, const QStringList &fields)
{
    fill(mainWindow, panel, fields);
    click(mainWindow, kPanels[panel].calculate);
}

// Computes every panel's worked example and returns what each panel then shows.
inline std::array<QStringList, kPanelCount> computeExamples(const QWidget &mainWindow)
{
    std::array<QStringList, kPanelCount> shown;
    for (int panel = 0; panel < kPanelCount; ++panel) {
        compute(mainWindow, panel, example(panel).fields);
        shown[std::size_t(panel)] = panelTexts(mainWindow, panel);
    }
    return shown;
}

// What a message box looked like while it was open.
struct BoxSeen {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton *>::size_type buttonCount = 0;
    bool okButton = false;
    bool applicationModal = false;
};

// Runs action; any application-modal message box it opens is recorded, `whileOpen` runs while
// it is up, and the box is closed through its OK button, like a user would. A test never hangs
// on a box: polling goes on until the action returns.
inline BoxSeen closeBoxesDuring(const std::function<void()> &action,
                                const std::function<void()> &whileOpen = {})
{
    BoxSeen seen;
    QTimer poll;
    poll.setInterval(10);
    bool waiting = false; // the ticks while one waits for the box's first frames do nothing
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QPointer<QMessageBox> box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (waiting || !box || !box->isVisible())
            return;
        waiting = true;
        const bool framed = waitForFirstFrames(box);
        waiting = false;
        if (!framed || !box)
            return;
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttonCount = box->buttons().size();
        seen.okButton = box->button(QMessageBox::Ok) != nullptr;
        seen.applicationModal = box->windowModality() == Qt::ApplicationModal;
        if (whileOpen)
            whileOpen();
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        if (ok)
            ok->click();
        else
            box->reject();
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

// Closes the window from inside the application's event loop, as the window system would, and
// returns the loop's exit code: 0 when closing ended the application, 99 when it did not within
// five seconds.
inline int exitCodeOfClosing(QWidget *window)
{
    QTimer::singleShot(0, window, [window] { window->close(); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    const int code = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
