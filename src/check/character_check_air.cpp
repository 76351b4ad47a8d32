// The checker's look at the AIR: actions defined twice, frames that show a
// sprite the SFF does not have, and what the AIR document found wrong.

#include "check/character_checker.h"
#include "common/text.h"

#include <unordered_map>

namespace vantrel::checker {

void CharacterChecker::checkAnimations()
{
    if (!m_airFile.exists)
        return;
    auto bytes = readText(m_airFile.path);
    if (!bytes) {
        add(m_defName, m_airFile.line, Severity::Error,
            {QT_TRANSLATE_NOOP("Messages", "%1 cannot be read"), {inQuotes(relativeName(m_airFile.path))}});
        return;
    }
    m_air = AirDocument::parse(std::move(*bytes));
    if (!m_air.ok()) {
        add(m_defName, m_airFile.line, Severity::Error,
            {QT_TRANSLATE_NOOP("Messages", "%1 is too large to read"), {inQuotes(relativeName(m_airFile.path))}});
        return;
    }
    m_airName = relativeName(m_airFile.path);
    m_airLoaded = true;
    m_fileOrder.push_back(m_airName);

    std::unordered_map<std::int32_t, std::int32_t> firstHeader;
    for (const AirAction& action : m_air.actions()) {
        if (!action.numberReadable)
            continue;
        m_actions.insert(action.number);
        const auto [at, inserted] = firstHeader.emplace(action.number, action.headerLine);
        if (!inserted)
            add(m_airName, action.headerLine + 1, Severity::Warning,
                {QT_TRANSLATE_NOOP("Messages", "action %1 is defined again (first at line %2)"),
                 {std::to_string(action.number), std::to_string(at->second + 1)}});
        const auto frames = m_air.frames(action);
        for (std::size_t i = 0; i < frames.size(); ++i) {
            const AirFrame& frame = frames[i];
            if (!frame.readable || frame.group < 0)
                continue;
            m_usedSprites.insert(spriteKey(frame.group, frame.image));
            // The engine draws nothing for such a frame.
            if (m_spritesLoaded && !m_sprites.count(spriteKey(frame.group, frame.image)))
                add(m_airName, frame.line + 1, Severity::Warning,
                    {QT_TRANSLATE_NOOP("Messages", "frame %1 of action %2 shows sprite %3, which %4 does not have"),
                     {std::to_string(i), std::to_string(action.number), spriteText(frame.group, frame.image),
                      m_spriteName}});
        }
    }
    for (const AirProblem& p : m_air.problems())
        reportAirProblem(p);
}

void CharacterChecker::reportAirProblem(const AirProblem& p)
{
    const AirBoxBlock* block = p.block >= 0 ? &m_air.blocks()[static_cast<std::size_t>(p.block)] : nullptr;
    const std::string kind = block && block->kind == BoxKind::Clsn1 ? "Clsn1" : "Clsn2";
    Severity severity = Severity::Warning;
    Message message(describe(p.kind));
    switch (p.kind) {
    case AirProblemKind::BoxReversed: return; // the engine takes either corner first
    case AirProblemKind::BoxUnreadable:
    case AirProblemKind::BoxOutOfRange:
    case AirProblemKind::CountUnreadable:
    case AirProblemKind::FrameUnreadable:
    case AirProblemKind::HeaderUnreadable: severity = Severity::Error; break;
    case AirProblemKind::CountMismatch:
        severity = Severity::Error;
        message = {block->boxCount == 1 ? QT_TRANSLATE_NOOP("Messages", "%1 count says %2 but %3 box follows")
                                        : QT_TRANSLATE_NOOP("Messages", "%1 count says %2 but %3 boxes follow"),
                   {kind, std::to_string(block->declaredCount), std::to_string(block->boxCount)}};
        break;
    case AirProblemKind::BoxKindMismatch:
        message = {QT_TRANSLATE_NOOP("Messages", "%1 box under a %2 count line"),
                   {std::string(kind == "Clsn1" ? "Clsn2" : "Clsn1"), kind}};
        break;
    case AirProblemKind::LoopstartLast:
        message = QT_TRANSLATE_NOOP("Messages", "Loopstart is the last line of its action: no frame follows it");
        break;
    default: break;
    }
    add(m_airName, p.line + 1, severity, std::move(message));
}

} // namespace vantrel::checker
