#pragma once
// The notify codes through which the card table's boxes, cards and tokens talk.

namespace TokenMessages
{
// To a container's children, topmost first (a, b = mouse): 1 from the token under the point.
const int hitTestToken = 1001;
// To the token just picked (a, b = mouse): start dragging.
const int startDragging = 1002;
// From a moving container to every child (a, b = dx, dy): move along.
const int moveBy = 1003;
// From a dropped token to the engine's objects, topmost first: 1 from a container under the point.
const int acceptToken = 1004;
// From a dropped card to the engine's objects, topmost first: 1 from a card box under the point.
const int acceptCard = 1101;
const int yes = 1;
const int no = 0;
} // namespace TokenMessages
