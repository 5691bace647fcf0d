#pragma once
// Which run of a measuring command belongs to the panel.
//
// A measurement button cancels whatever the host runs and asks it to start a
// measuring command later. The notifications that follow are not all about
// that run: the cancelled command reports its own end first (it may even be
// a measuring command of the same name), and a measuring command may run
// others inside it (the angle command runs the host's). So the measurement
// is armed only when the requested command starts, and only the end of that
// very run completes or releases it:
//
//   Idle --request--> Requested --start of the requested command--> Running
//   Requested: ends, cancels and other starts are someone else's
//   Running:   starts and ends nested in the run are counted, not taken
//   Running --its own end--> completed (the value is read)
//   Running --its own cancel or failure--> released (nothing is read)
//   Requested --the host does not know the command--> released
//
// Notifications come strictly nested (every start has exactly one end), so
// a depth counter identifies the run's own end.

#include <cstdint>
#include <string>
#include <string_view>

// Which measurement the host is running for the panel.
enum class MeasurementKind : std::int32_t
{
    Distance = 0,
    Angle = 1,
    Circumference = 2,
    Area = 3,
    None = 4,
};

class MeasurementRun
{
public:
    // What a notification means for the panel.
    enum class Step
    {
        Ignored,  // not the panel's run: nothing changes
        Complete, // the panel's run ended: take the value, release the panel
        Release,  // the panel's run ended without a value: release the panel
    };

    // The panel asked the host to run strCommand (a global name) for kind.
    void request(MeasurementKind kind, std::u16string_view strCommand);
    // Forgets the measurement (the request was refused, the value taken).
    void clear();

    // Requested or running: the panel waits and stays disabled.
    bool isPending() const { return m_state != State::Idle; }
    // The armed run has started.
    bool isRunning() const { return m_state == State::Running; }
    MeasurementKind kind() const { return m_kind; }

    void commandWillStart(std::u16string_view strGlobalName);
    // bNormal: the command ended; otherwise it was cancelled or failed.
    Step commandFinished(std::u16string_view strGlobalName, bool bNormal);
    // The host could not start a command of that name.
    Step unknownCommand(std::u16string_view strGlobalName);

    // Global names compare without regard to ASCII case.
    static bool sameName(std::u16string_view a, std::u16string_view b);

private:
    enum class State
    {
        Idle,
        Requested,
        Running,
    };

    State m_state = State::Idle;
    MeasurementKind m_kind = MeasurementKind::None;
    std::u16string m_command;
    int m_nested = 0; // commands running inside the armed run
};
