package net.cubeworks.world.game;

import java.util.List;

import org.bukkit.entity.HumanEntity;
import org.bukkit.event.inventory.InventoryType;

import net.cubeworks.world.game.item.BlockSlots;
import net.cubeworks.world.game.item.Window;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.storage.ItemTagValues;

/**
 * The windows of the blocks with slots besides chests and furnaces: dispensers and droppers (9
 * slots), hoppers (5) and brewing stands (4; nothing brews yet). A right click opens one over the
 * block's own entity, several players may have it open at once, each is shown what the others
 * and the world (a hopper's moves) change in it, and it closes when the player walks away or the
 * block goes. Also where a right click on a block with a window goes: a furnace, one of these, a
 * chest.
 */
final class BlockWindows {
    /** A block's window stays open within 8 blocks of its centre. */
    private static final double REACH_SQUARED = 64;

    private final GameWorld world;

    BlockWindows(GameWorld world) {
        this.world = world;
    }

    /** A right click on a block whose window opens: a furnace, a dispenser, a dropper, a hopper, a brewing stand, a chest. */
    void open(OnlinePlayer p, int x, int y, int z) {
        Interaction i = world.interaction();
        if (!i.furnaces().open(p, x, y, z) && !openSlots(p, x, y, z)) {
            i.windows().openChest(p, x, y, z);
        }
    }

    /** Opens the window of a dispenser, dropper, hopper or brewing stand: false when the block is none of them. */
    private boolean openSlots(OnlinePlayer p, final int x, int y, final int z) {
        String kind = BlockEntity.kindOf(world.blockAt(x, y, z));
        int type;
        InventoryType api;
        if (BlockEntity.DISPENSER.equals(kind)) {
            type = Window.TYPE_DISPENSER;
            api = InventoryType.DISPENSER;
        } else if (BlockEntity.DROPPER.equals(kind)) {
            type = Window.TYPE_DROPPER;
            api = InventoryType.DROPPER;
        } else if (BlockEntity.HOPPER.equals(kind)) {
            type = Window.TYPE_HOPPER;
            api = InventoryType.HOPPER;
        } else if (BlockEntity.BREWING_STAND.equals(kind)) {
            type = Window.TYPE_BREWING;
            api = InventoryType.BREWING;
        } else {
            return false;
        }
        BlockEntity e = BlockEntities.at(world, x, y, z);
        if (!(e instanceof BlockEntity.Container)) {
            return true;
        }
        BlockEntity.Container c = (BlockEntity.Container) e;
        BlockSlots slots = new BlockSlots(c, kind, c.slots, new BlockSlots.Changes() {
            public void changed(BlockSlots s, HumanEntity by) {
                BlockEntities.changed(world, x, z);
                s.slotsToShow(); // the clicker's client shows them already
                world.interaction().hoppers().wake(s.block);
            }
        });
        String title = c.customName != null ? c.customName : "container." + titleOf(kind);
        Object inventory = world.api().blockInventory(x, y, z, api, c.slots.size(), null);
        if (world.interaction().windows().openContainer(p, slots, type, title, inventory)) {
            slots.slotsToShow();
        }
        return true;
    }

    private static String titleOf(String kind) {
        if (BlockEntity.DISPENSER.equals(kind)) {
            return "dispenser";
        }
        if (BlockEntity.DROPPER.equals(kind)) {
            return "dropper";
        }
        return BlockEntity.HOPPER.equals(kind) ? "hopper" : "brewing";
    }

    /** Each tick: every open block window shows what others changed in it, or closes when out of reach or gone. */
    void tick(List<OnlinePlayer> all) {
        for (OnlinePlayer p : all) {
            if (p.inventory().open.container instanceof BlockSlots) {
                watch(p, (BlockSlots) p.inventory().open.container);
            }
        }
    }

    private void watch(OnlinePlayer p, BlockSlots s) {
        BlockEntity.Container b = s.block;
        if (b != null) {
            double dx = p.x - (b.x + 0.5);
            double dy = p.y - (b.y + 0.5);
            double dz = p.z - (b.z + 0.5);
            if (p.dead || dx * dx + dy * dy + dz * dz > REACH_SQUARED || !world.loaded(b.x, b.z)
                    || world.blockEntityAt(b.x, b.y, b.z) != b) {
                world.interaction().windows().close(p, true);
                return;
            }
        }
        int id = p.inventory().open.id;
        for (int i : s.slotsToShow()) {
            p.connection().send(PlayPackets.setSlot(id, i, s.item(i), s.count(i), s.data(i), ItemTagValues.gzipped(s.tag(i))));
        }
    }
}
