#include "common/program_facts.h"

ProgramFacts& programFacts() {
    static ProgramFacts facts;
    return facts;
}
