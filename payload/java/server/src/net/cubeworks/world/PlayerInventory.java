package net.cubeworks.world;

import net.cubeworks.world.net.Connection;
import net.cubeworks.world.net.PacketOut;

/**
 * A player's inventory as the client sees it, in window 0 slot numbers: 36 to 44 the hot
 * bar, 9 to 35 the main inventory. Changed under the server lock.
 */
final class PlayerInventory {
    static final int SLOTS = 45;
    static final int STACK = 64;

    private final int[] item = new int[SLOTS];
    private final int[] count = new int[SLOTS];
    private final int[] data = new int[SLOTS];

    /** The order in which items are put in: the hot bar first, then the main inventory. */
    private static final int[] FILL_ORDER = new int[36];

    static {
        for (int i = 0; i < 9; i++) {
            FILL_ORDER[i] = 36 + i;
        }
        for (int i = 0; i < 27; i++) {
            FILL_ORDER[9 + i] = 9 + i;
        }
    }

    /**
     * Puts items in, topping up stacks of the same item first and then using empty slots,
     * and sends the client every slot that changed. False when not everything fitted.
     */
    boolean give(Connection client, int itemId, int amount, int itemData) {
        int left = amount;
        for (int pass = 0; pass < 2 && left > 0; pass++) {
            for (int slot : FILL_ORDER) {
                if (left == 0) {
                    break;
                }
                boolean fits = pass == 0
                        ? count[slot] > 0 && item[slot] == itemId && data[slot] == itemData && count[slot] < STACK
                        : count[slot] == 0;
                if (!fits) {
                    continue;
                }
                int put = Math.min(STACK - count[slot], left);
                item[slot] = itemId;
                data[slot] = itemData;
                count[slot] += put;
                left -= put;
                client.send(new PacketOut(0x2F).writeByte(0).writeShort(slot).writeShort(itemId)
                        .writeByte(count[slot]).writeShort(itemData).writeShort(-1));
            }
        }
        return left == 0;
    }
}
