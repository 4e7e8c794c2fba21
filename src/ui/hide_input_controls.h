#pragma once

namespace tubalyx {

// Hides every control of the questionnaire, the report page and the graph page before a
// page is rebuilt. Changes no value.
void HideInputControls();

// Hides the humidity prompt, its edit and the molecular-weight question.
void HideHumidityControls();

}  // namespace tubalyx
