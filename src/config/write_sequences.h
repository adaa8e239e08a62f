#pragma once

#include "config/config_record.h"
#include "config/config_view.h"
#include "config/device_outcome.h"
#include "config/memory_words.h"
#include "config/write_plan.h"
#include "link/ee_image.h"
#include "link/link.h"
#include "link/reporter.h"
#include "link/trace_flags.h"

namespace zelto::config {

// The three write commands. `model` is the position selected in the device list: 0 and 1 the
// table-loading models, 2 Velmor-7. Each sets fWriting while it sends, drives the progress bar
// and reports "Ждите завершения записи", then "Запись завершена". A word that gets no reply
// ends the sequence at once: nothing more is sent or read, the progress is switched off and the
// status reads "Прибор не отвечает". A record that breaks its rules is refused with "Конфигурация
// не записана: недопустимые значения" before anything is sent. Once the words are known, and
// before anything goes out, the guard sees them (a backup reads what they will overwrite); when
// it refuses, nothing is sent and the outcome is kStopped.

// Sends the configuration held in the record. lineFunc is the LineFunc check box; the switches
// are the Velmor-7 controls, read only for that model. Leaves the range ends that were sent in
// DevRngMin and DevRngMax; Au and Bu stay as they are, while the device's correction is cleared.
// Velmor-7 receives ActConfigDone after "Запись завершена". A model beyond the list shows
// "В данной версии отсутствует"; no model (-1) shows and sends nothing.
DeviceOutcome WriteConfiguration(Link& link, Reporter& reporter, ConfigRecord& record, int model,
                                 bool lineFunc, const VelmorSwitches& switches,
                                 WriteGuard& guard = NoBackup());

// Computes the range correction from the record's correction points and measured currents and
// sends Au and Bu (table-loading models), then ActWriteDone and the correction read-back into
// the image. A correction that cannot be computed is refused with its reason and sends nothing.
// While fCnftoMemo is on, the memo gets the correction trace with the working-memory words the
// device derived. Velmor-7 has no correction: "В данной версии отсутствует", yet the action and
// the read-back still go out, as for every model.
DeviceOutcome WriteCorrection(Link& link, Reporter& reporter, ConfigRecord& record, int model,
                              bool lineFunc, const TraceFlags& trace, EEImage& image,
                              WriteGuard& guard = NoBackup());

// Writes a gain and offset worked out elsewhere (the output check's, composed with the correction
// the unit holds) exactly as WriteCorrection writes the pair it computes: the guard sees the
// correction's plan, then words 84 and 88, ActWriteDone and the read-back into the image.
// Table-loading models only: the others show "В данной версии отсутствует" and get nothing. A
// pair that is not finite, or a gain of 0, is refused before anything is sent.
DeviceOutcome WriteCorrectionPair(Link& link, Reporter& reporter, int model, float au, float bu,
                                  EEImage& image, WriteGuard& guard = NoBackup());

// Sets Au 1 and Bu 0 in the record and the device, recomputes the nominal currents with
// take-over (outputRange is the SetOutCurrent position) and sends ActWriteDone. The caller
// refreshes the value fields afterwards.
DeviceOutcome ResetCorrection(Link& link, Reporter& reporter, ConfigRecord& record, int model,
                              int outputRange, ConfigView& view, WriteGuard& guard = NoBackup());

// The service button "Au" and the end of WriteCorrection: words 80, 84, 88 and 92 into the
// image at their own addresses. Stops at the first word without reply with "Прибор не отвечает";
// the image keeps what it held for that word and the ones after it.
DeviceOutcome ReadBackCorrection(Link& link, Reporter& reporter, EEImage& image);

}  // namespace zelto::config
