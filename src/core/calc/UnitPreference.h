#pragma once

#include "core/calc/Units.h"

namespace wsc {

class ProfileStore;

// The brewer's units as the settings keep them; a unit missing, misspelt or of another quantity
// reads as the working measure's.
UnitChoice ReadUnitChoice(const ProfileStore& profile);
void WriteUnitChoice(ProfileStore& profile, const UnitChoice& units);

// Whether to ask, at this start, if the brewer would read metric units: only a user of a metric
// locale, only while the units are still the working measure, and only once.
bool ShouldOfferMetricUnits(const ProfileStore& profile, bool metricLocale);
// The answer: metric units on Yes; either way the question is not asked again.
void AnswerMetricOffer(ProfileStore& profile, bool useMetric);

} // namespace wsc
