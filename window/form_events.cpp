#include "window/form_events.h"

#include "reading/deal.h"
#include "reading/figure_selection.h"
#include "reading/name_entry.h"
#include "reading/reveal.h"
#include "window/startup.h"

namespace zarvel {

FormEvents::FormEvents(Controls &controls, RandomSource &random)
    : controls_(controls)
    , random_(random)
{
}

void FormEvents::FormLoad(const LinesRead &names) { Load(state_, controls_, names); }
NameLines FormEvents::FormUnload() const { return NamesToSave(controls_); }
void FormEvents::Command1Click() { Deal(state_, random_, controls_); }
void FormEvents::Timer1Timer() { TimerTick(state_, controls_); }
void FormEvents::Image45Click() { ConfirmNames(controls_); }
void FormEvents::Combo1Click() { ChooseQuestion(controls_); }
void FormEvents::AssignNamesClick() { AssignNames(state_, controls_); }
void FormEvents::FigureItemClick(std::int16_t figure, std::int16_t rank) { SelectFigure(state_, controls_, figure, rank); }

} // namespace zarvel
