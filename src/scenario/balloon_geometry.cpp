#include "scenario/balloon_geometry.h"

BalloonGeometryRecord BalloonGeometry;
TextWindowRecord TextWindow;
ThoughtLayoutRecord ThoughtLayout;
TextSlotRecord TextSlot;

void ResetBalloonGeometryState() {
  BalloonGeometry = BalloonGeometryRecord{};
  TextWindow = TextWindowRecord{};
  ThoughtLayout = ThoughtLayoutRecord{};
  TextSlot = TextSlotRecord{};
}
