#pragma once

#include "link/link.h"

namespace zelto {

// The service panel's single requests to working-memory address 0, whose replies show only
// in the exchange trace.

// The test timer's tick: the request alone, waiting for nothing, its reply left unread (the
// next read drops it), then the kept port events.
void TestRequest(Link& link);

// The request button: the request, its reply, then the kept port events. True if a reply came.
bool ServiceRequest(Link& link);

}  // namespace zelto
