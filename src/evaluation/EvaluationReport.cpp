// Placeholder until the report builder lands.
#include "evaluation/EvaluationReport.h"

namespace velorin {

EvaluationReport BuildEvaluationReport(const EvaluationRequest&) { return {}; }

}  // namespace velorin
