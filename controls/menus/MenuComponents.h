#pragma once
// The stored properties and classes of the menu components: items, the menu bar, popup menus.
void RegisterMenuComponents();
