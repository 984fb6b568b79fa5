#pragma once

namespace ZK::Internal {

// True when no person can answer a modal window: no GUI application, or a platform without a screen
// that anybody looks at ("offscreen", "minimal").
bool isHeadless();

} // namespace ZK::Internal
