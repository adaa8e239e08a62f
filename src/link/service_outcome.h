#pragma once

namespace zelto {

// How a service sequence (a memory read, a monitor poll, a calibration transfer) ended.
enum class ServiceOutcome {
  kDone,
  // A request got no reply: the sequence stopped there with "Прибор не отвечает", keeping what
  // came before.
  kNoAnswer,
  // The model position belongs to no device family: nothing was sent.
  kUnknownModel,
  // A write's guard (its backup) stopped it before anything was sent, saying why.
  kStopped,
};

}  // namespace zelto
