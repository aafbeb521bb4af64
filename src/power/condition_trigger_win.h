#pragma once

#include "settings/condition_choice.h"
#include "power/conditions.h"

// The measured conditions (idle, processor, network) as the program holds
// them while they are armed, and the choice its window keeps.

// The program's one watch of the measured conditions; nothing is stored.
ConditionWatch& conditionWatch();

// Arms them (replacing what was armed), with samplers of their own from
// now on; drop ends both.
void armMeasuredConditions(const ConditionFigures& figures);
void dropMeasuredConditions();

// This second's measures for the armed conditions; none while nothing is
// armed.
ConditionSample sampleArmedConditions();

// The stored choice, read afresh; the defaults where the key or a value is
// missing.
ConditionChoice storedConditionChoice();
// The choice holds from now on; false where the key cannot be written (it
// then holds until the program ends).
bool storeConditionChoice(const ConditionChoice& choice);

// The action of everything that is not the clock schedule: the choice's as
// last read or stored, else the settings' scheduled action.
Action conditionsAction();
