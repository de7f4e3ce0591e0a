package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.Iterator;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Random;
import java.util.Set;

import org.bukkit.Location;
import org.bukkit.World;
import org.bukkit.entity.Player;

import net.cubeworks.world.game.event.ItemEvents;
import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.world.Terrain;
import net.cubeworks.world.protocol.PacketOut;

/**
 * The world's items on the ground, by the game's rules: new ones (dropped where a block broke,
 * thrown by a player, fallen from a dead one), stacks of the same item that come near each other
 * merging into the larger ({@link StackMerging}), players collecting those within a block of them
 * ({@link ItemPickup}), experience orbs ({@link GroundOrbs}), and the plugins told of it all. The
 * first motion of a new item is {@link DropMotion}'s, what a player's hands and death throw
 * {@link PlayerThrows}'s, how both kinds are kept with their column {@link GroundCodecs}'s. Used on
 * the game thread under the world lock.
 */
public final class GroundItems implements ItemDrops {
    /** Who sees what: the world's tracker. */
    public interface Viewers {
        /** Sends the packet to every client that shows the entity. */
        void toViewers(WorldEntity e, PacketOut packet);

        /** Sends the packet to every player within the distance of the place. */
        void near(double x, double y, double z, double distance, PacketOut packet);
    }

    /** Whether a block is a solid cube an item lies on and cannot pass. */
    public interface Solid {
        boolean solid(int blockId);
    }

    /** Items a player may throw in a second; more are refused and stay with him. */
    public static final int THROWS_PER_SECOND = 64;
    /** The height of a player's eyes above his feet. */

    final Object lock;
    final Entities entities;
    final World world;
    final Random random = new Random();
    private final GameHost host;
    final Terrain terrain;
    private final Solid solid;
    private final Viewers viewers;
    private final Set<ItemEntity> live = new LinkedHashSet<ItemEntity>();
    private final ItemPickup pickup;
    private final GroundOrbs orbs;
    private final PlayerThrows throwing = new PlayerThrows(this);

    public GroundItems(Object lock, Entities entities, GameHost host, World world, Terrain terrain, Solid solid,
            Viewers viewers) {
        this.lock = lock;
        this.entities = entities;
        this.host = host;
        this.world = world;
        this.terrain = terrain;
        this.solid = solid;
        this.viewers = viewers;
        this.pickup = new ItemPickup(host, viewers, random);
        this.orbs = new GroundOrbs(this, host, viewers, random);
    }

    int blockAt(int x, int y, int z) {
        return terrain.blockAt(x, y, z);
    }

    boolean solid(int blockId) {
        return solid.solid(blockId);
    }

    /** The items on the ground now. */
    public int size() {
        return live.size();
    }

    /** How items are kept in their column: as "Item", with the game's tags; orbs as "XPOrb". */
    public void register(EntityCodecs codecs) {
        GroundCodecs.register(codecs, this, orbs);
    }

    /** An item read back with its column, counted among the world's. */
    ItemEntity readItem(Map<String, Object> entry) {
        ItemEntity item = ItemEntities.read(this, entities.nextId(), entry);
        if (item != null) {
            live.add(item);
        }
        return item;
    }

    /**
     * Experience falling at the place, as the game lets it fall: in orbs of its sizes (2477, 1237,
     * ..., 3, 1), the largest first, each with a push of its own.
     */
    public void dropExperience(double x, double y, double z, int amount) {
        orbs.drop(x, y, z, amount);
    }

    // --- new items ---

    /** A new item at the place with the push every new item gets; not in the world yet. */
    private ItemEntity make(double x, double y, double z, int itemId, int count, int data, Object tag) {
        ItemEntity item = new ItemEntity(this, entities.nextId(), java.util.UUID.randomUUID(), itemId, count, data, tag);
        item.x = x;
        item.y = y;
        item.z = z;
        DropMotion.push(item, random);
        item.pickupDelay = ItemEntity.BLOCK_DROP_DELAY;
        return item;
    }

    /** Puts the item into the world once the plugins let it; false when one kept it out. */
    private boolean enter(ItemEntity item) {
        if (!ItemEvents.spawn(host, item, new Location(world, item.x, item.y, item.z))) {
            return false;
        }
        if (item.isRemoved() || item.count() <= 0) {
            return false; // a plugin took the stack away
        }
        revive(item);
        return true;
    }

    /** Takes an item read back with its column into the world (no event: it was there before). */
    public void revive(ItemEntity item) {
        item.sent.reset(item, 0);
        entities.add(item);
        live.add(item);
    }

    public ItemEntity dropItemNaturally(double x, double y, double z, int itemId, int count, int data, Object tag) {
        double dx = random.nextFloat() * 0.7 - 0.35;
        double dy = random.nextFloat() * 0.7 - 0.35;
        double dz = random.nextFloat() * 0.7 - 0.35;
        return dropItem(x + dx, y + dy, z + dz, itemId, count, data, tag);
    }

    public ItemEntity dropItem(double x, double y, double z, int itemId, int count, int data, Object tag) {
        if (itemId <= 0 || count <= 0) {
            return null;
        }
        ItemEntity item = make(x, y, z, itemId, count, data, tag);
        return enter(item) ? item : null;
    }

    /**
     * A player throws the stack from his eyes: ahead of him as he looks (a hand's throw), or, as
     * his things fall when he dies, in any direction (spread). It is thrown once the plugins let
     * the item be (ItemSpawnEvent); whether they let him throw it (PlayerDropItemEvent) is asked
     * by the caller, who takes it back when not. Null when it did not come into the world.
     */
    public ItemEntity throwFrom(WorldEntity body, double eyeY, String name, int itemId, int count, int data, Object tag,
            boolean spread) {
        if (itemId <= 0 || count <= 0) {
            return null;
        }
        ItemEntity item = make(body.x, eyeY - 0.3, body.z, itemId, count, data, tag);
        item.pickupDelay = ItemEntity.THROWN_DELAY;
        item.thrower = name;
        if (spread) {
            DropMotion.spread(item, random);
        } else {
            DropMotion.ahead(item, body, random);
        }
        return enter(item) ? item : null;
    }

    /**
     * Whether the player may throw another item this second (at most {@link #THROWS_PER_SECOND}),
     * counting it when he may.
     */
    public boolean mayThrow(String name, long tick) {
        return throwing.mayThrow(name, tick);
    }

    /** Asks the plugins whether the player may throw the item; when not, it leaves the world at once, unseen. */
    public boolean dropAllowed(Player p, ItemEntity item) {
        if (ItemEvents.drop(host, p, item)) {
            return true;
        }
        forget(item);
        return false;
    }

    /**
     * The player throws the stack (taken out of his slots already) ahead of him, as Q does, once
     * his throws this second allow and the plugins let it; refused, it goes back to him (see
     * {@link #giveBack}). True when it was thrown.
     */
    public boolean playerThrow(Collector c, int itemId, int count, int data, Object tag, long tick) {
        return throwing.playerThrow(c, itemId, count, data, tag, tick);
    }

    /**
     * Puts a stack back into the player's inventory, then on his cursor when that is empty;
     * what still does not fit falls at his feet whatever the plugins say, so nothing is lost.
     */
    public void giveBack(Collector c, int itemId, int count, int data, Object tag) {
        throwing.giveBack(c, itemId, count, data, tag);
    }

    /**
     * Puts the stack on the ground where the player stands, with no plugin's say: what has no
     * other place to go (a full inventory at a window's closing, a player leaving).
     */
    public ItemEntity fallAtFeet(WorldEntity body, String name, int itemId, int count, int data, Object tag) {
        if (itemId <= 0 || count <= 0) {
            return null;
        }
        ItemEntity item = make(body.x, body.y + PlayerBody.EYE_HEIGHT - 0.3, body.z, itemId, count, data, tag);
        item.pickupDelay = ItemEntity.THROWN_DELAY;
        item.thrower = name;
        revive(item);
        return item;
    }

    /**
     * Empties the inventory (armour, main, hot bar, the crafting grid and the cursor) as a dying
     * player's things leave him, answering them as the plugin API's stacks.
     */
    public static List<org.bukkit.inventory.ItemStack> takeAll(PlayerInventory inv) {
        return PlayerThrows.takeAll(inv);
    }

    /** A dead player's things fall around where he died, each stack its own way. */
    public void deathFall(WorldEntity body, String name, List<org.bukkit.inventory.ItemStack> drops) {
        throwing.deathFall(body, name, drops);
    }

    /** Takes an item out of the world at once, without telling anybody (it was never shown). */
    private void forget(ItemEntity item) {
        item.markRemoved();
        entities.remove(item);
        live.remove(item);
    }

    /** Its five minutes are up: true when it goes, false when a plugin keeps it. */
    boolean despawning(ItemEntity item) {
        if (!ItemEvents.despawn(host, item, new Location(world, item.x, item.y, item.z))) {
            return false;
        }
        item.markRemoved();
        return true;
    }

    /** Takes an item out of the world to be kept with its column, unseen by anybody. */
    public void park(ItemEntity item) {
        forget(item);
    }

    // --- each tick, after every entity's own ---

    /** Merges the stacks that came near each other, lets the players collect, and shows changed stacks. */
    public void tick(List<? extends Collector> players) {
        StackMerging merging = new StackMerging(live);
        for (Iterator<ItemEntity> it = live.iterator(); it.hasNext();) {
            ItemEntity item = it.next();
            if (item.isRemoved()) {
                it.remove();
                continue;
            }
            if (item.wantsMerge) {
                item.wantsMerge = false;
                merging.mergeNear(item);
            }
        }
        for (Collector c : players) {
            if (c.mayCollect()) {
                pickup.collect(c, live);
            }
        }
        orbs.tick(players);
        for (ItemEntity item : live) {
            if (item.stackChanged) {
                item.stackChanged = false;
                if (!item.isRemoved()) {
                    viewers.toViewers(item, item.metadataPacket());
                }
            }
        }
    }

    /** The orbs in the world, for the plugin API and the tests. */
    public List<ExperienceOrb> orbs() {
        return orbs.all();
    }

    /** The items in the world, for the plugin API and the tests. */
    public List<ItemEntity> all() {
        List<ItemEntity> out = new ArrayList<ItemEntity>();
        for (ItemEntity item : live) {
            if (!item.isRemoved()) {
                out.add(item);
            }
        }
        return out;
    }
}
