#include "form_events.h"

#include "deal.h"
#include "figure_selection.h"
#include "name_entry.h"
#include "reveal.h"
#include "startup.h"

namespace zarvel {

FormEvents::FormEvents(Controls &controls, RandomSource &random)
    : controls_(controls)
    , random_(random)
{
}

void FormEvents::Load(const LinesRead &names) { zarvel::Load(state_, controls_, names); }
NameLines FormEvents::Unload() const { return NamesToSave(controls_); }
void FormEvents::Deal() { zarvel::Deal(state_, random_, controls_); }
void FormEvents::Tick() { TimerTick(state_, controls_, labelCopies_); }
void FormEvents::ConfirmNames() { zarvel::ConfirmNames(controls_, labelCopies_); }
void FormEvents::ChooseQuestion() { zarvel::ChooseQuestion(controls_); }
void FormEvents::AssignNames() { zarvel::AssignNames(state_, controls_); }

void FormEvents::Raise(ControlEvent event)
{
    switch (event) {
    case ControlEvent::ConfirmNames: ConfirmNames(); break;
    case ControlEvent::Deal: Deal(); break;
    case ControlEvent::ChooseQuestion: ChooseQuestion(); break;
    case ControlEvent::None: break;
    }
}
void FormEvents::SelectFigure(std::int16_t figure, std::int16_t rank)
{
    zarvel::SelectFigure(state_, controls_, figure, rank);
}

} // namespace zarvel
