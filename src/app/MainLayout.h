#pragma once

namespace pw {

class TfrmMain;

// The title banner spans the client width; the update link keeps to its right edge.
void LayOutTitleBanner(TfrmMain& form, int clientWidth);

} // namespace pw
