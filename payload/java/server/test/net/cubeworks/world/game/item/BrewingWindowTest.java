package net.cubeworks.world.game.item;

import static org.junit.Assert.assertEquals;

import org.junit.Test;

import net.cubeworks.world.level.BlockEntity;

/** A brewing stand's window: bottles one a slot below, what brews on top, shift-click sorting them so. */
public class BrewingWindowTest {
    private final PlayerInventory inv = new PlayerInventory();
    private final BlockEntity.Container stand = new BlockEntity.Container(BlockEntity.BREWING_STAND, 0, 64, 0, 4);
    private final BlockSlots slots = new BlockSlots(stand, stand.id, stand.slots, new BlockSlots.Changes() {
        public void changed(BlockSlots s, org.bukkit.entity.HumanEntity by) {
        }
    });
    private final Window w = Window.container(1, slots, Window.TYPE_BREWING, "container.brewing", null, inv);

    @Test
    public void bottlesGoOneASlotAndOnlyWhatBrewsGoesOnTop() {
        inv.set(9, 374, 5, 0, null); // glass bottles, window slot 4
        inv.set(10, 372, 3, 0, null); // nether wart
        inv.set(11, 3, 2, 0, null); // dirt
        WindowClicks.click(w, 4, 0, 1, false);
        for (int s = 0; s < 3; s++) {
            assertEquals(374, stand.slots.item(s));
            assertEquals("one bottle a slot", 1, stand.slots.count(s));
        }
        assertEquals("two bottles stay with the player", 2, inv.count(9));
        WindowClicks.click(w, 5, 0, 1, false);
        assertEquals(372, stand.slots.item(3));
        assertEquals(3, stand.slots.count(3));
        // dirt goes nowhere in the stand: a plain click does not put it on top
        inv.set(PlayerInventory.CURSOR, 3, 2, 0, null);
        stand.slots.set(3, 0, 0, 0, null);
        WindowClicks.click(w, 3, 0, 0, false);
        assertEquals(0, stand.slots.count(3));
        assertEquals(2, inv.count(PlayerInventory.CURSOR));
    }
}
