#include "MeasurementRun.h"

#include <algorithm>

void MeasurementRun::request(MeasurementKind kind, std::u16string_view strCommand)
{
    m_state = State::Requested;
    m_kind = kind;
    m_command.assign(strCommand);
    m_nested = 0;
}

void MeasurementRun::clear()
{
    m_state = State::Idle;
    m_kind = MeasurementKind::None;
    m_command.clear();
    m_nested = 0;
}

bool MeasurementRun::sameName(std::u16string_view a, std::u16string_view b)
{
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char16_t x, char16_t y) { return lower(x) == lower(y); });
}

void MeasurementRun::commandWillStart(std::u16string_view strGlobalName)
{
    switch (m_state)
    {
    case State::Idle:
        break;
    case State::Requested:
        if (sameName(strGlobalName, m_command))
        {
            m_state = State::Running;
            m_nested = 0;
        }
        break;
    case State::Running:
        ++m_nested;
        break;
    }
}

MeasurementRun::Step MeasurementRun::commandFinished(std::u16string_view strGlobalName,
                                                     bool bNormal)
{
    if (m_state != State::Running)
        return Step::Ignored;
    if (m_nested > 0)
    {
        --m_nested;
        return Step::Ignored;
    }
    // At the run's own level only the run itself can end. Another name here
    // means a start went unreported; a panel locked for good would be worse
    // than a lost value, so the panel is released.
    if (!sameName(strGlobalName, m_command))
        return Step::Release;
    return bNormal ? Step::Complete : Step::Release;
}

MeasurementRun::Step MeasurementRun::unknownCommand(std::u16string_view strGlobalName)
{
    if (m_state == State::Requested && sameName(strGlobalName, m_command))
        return Step::Release;
    return Step::Ignored;
}
