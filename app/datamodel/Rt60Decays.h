#pragma once
// The decay analysis of RTA events for their RT60: each event's decay
// history is cut from the spectrum time history (the events' samples follow
// each other in it), band by band, with the sample and level of each band's
// peak, from which EventRec works out the RT60 of each band.
#include "RecordManagers.h"

// Attaches the decay histories of every event: bandCount bands (33 for
// one-third octave data, 11 for octaves) and as many samples as the event's
// two sample counts add up to, taken from the time history in turn, as far
// as the time history goes (a history holds no sample past its end). Returns
// 0, or -1 when the memory for an event's histories cannot be had; the
// events before it keep theirs, the others get none.
int BuildRt60Decays(EventRecMgr& events, const ThMgr& timeHistory, int bandCount);

