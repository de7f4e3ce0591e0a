package net.cubeworks.world.game.api;

import java.util.ArrayList;
import java.util.Collection;
import java.util.List;
import java.util.concurrent.Callable;
import java.util.function.Supplier;
import java.util.logging.Logger;

import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.entity.Arrow;
import org.bukkit.entity.Entity;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.FallingBlock;
import org.bukkit.entity.Item;
import org.bukkit.entity.LightningStrike;
import org.bukkit.entity.LivingEntity;
import org.bukkit.inventory.ItemStack;
import org.bukkit.util.Vector;

import net.cubeworks.world.game.entity.Entities;
import net.cubeworks.world.game.entity.ItemDrops;
import net.cubeworks.world.game.mob.Mobs;
import net.cubeworks.world.level.ColumnKey;

/**
 * The world's entities as plugins see them, and what plugins put into the world: mobs, arrows,
 * items, lightning and explosions. Players, the mobs of game.mob and arrows are simulated:
 * spawning any other kind gives null (logged once per kind), as a world without that kind would.
 * The world's mobs, items and blasts are looked up at each use (the world makes them after its
 * face).
 */
public final class ApiWorldEntities {
    private final ApiChanges changes;
    private final Object lock;
    private final Logger logger;
    private final Entities entities;
    private final Supplier<Mobs> mobs;
    private final Supplier<ItemDrops> items;
    private final PluginBlasts blasts;

    private final java.util.Set<String> toldCannotSpawn = java.util.Collections.synchronizedSet(
            new java.util.HashSet<String>());

    ApiWorldEntities(ApiChanges changes, Object lock, Logger logger, Entities entities, Supplier<Mobs> mobs,
            Supplier<ItemDrops> items, PluginBlasts blasts) {
        this.changes = changes;
        this.lock = lock;
        this.logger = logger;
        this.entities = entities;
        this.mobs = mobs;
        this.items = items;
        this.blasts = blasts;
    }

    private <T> T cannotSpawn(String what) {
        if (toldCannotSpawn.add(what)) {
            logger.info("A plugin asked to spawn " + what + ": this server does not simulate that kind, nothing was spawned");
        }
        return null;
    }

    /** Every entity the world has, of every kind, in the order they came. */
    List<Entity> all() {
        synchronized (lock) {
            return new ArrayList<Entity>(entities.all());
        }
    }

    List<LivingEntity> living() {
        List<LivingEntity> out = new ArrayList<LivingEntity>();
        for (Entity e : all()) {
            if (e instanceof LivingEntity) {
                out.add((LivingEntity) e);
            }
        }
        return out;
    }

    <T extends Entity> Collection<T> ofClass(Class<T> cls) {
        List<T> out = new ArrayList<T>();
        for (Entity e : all()) {
            if (cls.isInstance(e)) {
                out.add(cls.cast(e));
            }
        }
        return out;
    }

    /** The entities that are of any of the classes. */
    Collection<Entity> ofClasses(Class<?>... classes) {
        List<Entity> out = new ArrayList<Entity>();
        for (Entity e : all()) {
            for (Class<?> c : classes) {
                if (c.isInstance(e)) {
                    out.add(e);
                    break;
                }
            }
        }
        return out;
    }

    /**
     * A mob of the class's kind (Zombie, Cow, ...) at the place, brought in with the spawn event
     * (reason CUSTOM; null when a plugin cancels it), or an arrow; other kinds are not simulated.
     */
    <T extends Entity> T spawn(final Location location, final Class<T> clazz) {
        if (location == null || clazz == null) {
            throw new IllegalArgumentException("Location or entity class cannot be null");
        }
        if (Double.isNaN(location.getX() + location.getY() + location.getZ())
                || Math.abs(location.getX()) >= ColumnKey.MAX_COORD || Math.abs(location.getZ()) >= ColumnKey.MAX_COORD) {
            throw new IllegalArgumentException("no entity can be spawned at " + location);
        }
        final net.cubeworks.world.game.mob.MobKind kind = kindOf(clazz);
        if (kind == null && clazz != Arrow.class) {
            return cannotSpawn(clazz.getSimpleName());
        }
        return changes.call(new Callable<T>() {
            public T call() {
                Entity made;
                if (kind != null) {
                    made = mobs.get().spawn(kind, location.getX(), location.getY(), location.getZ(), location.getYaw(),
                            org.bukkit.event.entity.CreatureSpawnEvent.SpawnReason.CUSTOM);
                } else {
                    made = mobs.get().shootArrow(null, location.getX(), location.getY(), location.getZ(),
                            location.getYaw(), location.getPitch(), 0.6f, 12f);
                }
                return clazz.isInstance(made) ? clazz.cast(made) : null;
            }
        });
    }

    /** The kind of mob a plugin's class names: its own kind's class, or a kind whose class it is. */
    private static net.cubeworks.world.game.mob.MobKind kindOf(Class<?> clazz) {
        for (net.cubeworks.world.game.mob.MobKind k : net.cubeworks.world.game.mob.MobKind.values()) {
            if (k.type.getEntityClass() == clazz) {
                return k;
            }
        }
        return null;
    }

    Entity spawn(Location loc, EntityType type) {
        if (type == null || type.getEntityClass() == null) {
            throw new IllegalArgumentException("no entity of type " + type + " can be spawned");
        }
        return spawn(loc, type.getEntityClass());
    }

    /** A living kind's entity, as spawnEntity; null for a kind that does not live. */
    LivingEntity spawnCreature(Location loc, EntityType type) {
        if (type == null || !type.isAlive()) {
            return null;
        }
        return (LivingEntity) spawn(loc, type);
    }

    /**
     * Drops the stack at exactly the place, or within 0.35 blocks of it as a broken block's drops
     * fall; null when a plugin kept it out of the world.
     */
    Item drop(final Location location, final ItemStack item, final boolean naturally) {
        if (location == null || item == null) {
            throw new IllegalArgumentException("an item is dropped at a place");
        }
        if (item.getTypeId() <= 0 || item.getAmount() <= 0) {
            throw new IllegalArgumentException("cannot drop an empty stack");
        }
        final int count = Math.min(item.getAmount(), 127); // the most the game keeps in one item
        return changes.call(new Callable<Item>() {
            public Item call() {
                ItemDrops drops = items.get();
                Object tag = net.cubeworks.world.game.item.ApiItems.tag(item);
                return naturally
                        ? drops.dropItemNaturally(location.getX(), location.getY(), location.getZ(), item.getTypeId(),
                                count, item.getDurability(), tag)
                        : drops.dropItem(location.getX(), location.getY(), location.getZ(), item.getTypeId(), count,
                                item.getDurability(), tag);
            }
        });
    }

    Arrow spawnArrow(final Location location, final Vector direction, final float speed, final float spread) {
        if (location == null || direction == null) {
            throw new IllegalArgumentException("an arrow needs a place and a direction");
        }
        return changes.call(new Callable<Arrow>() {
            public Arrow call() {
                net.cubeworks.world.game.mob.ArrowEntity a = mobs.get().shootArrow(null, location.getX(),
                        location.getY(), location.getZ(), 0f, 0f, speed, spread);
                a.aim(direction.getX(), direction.getY(), direction.getZ(), speed, spread);
                return a;
            }
        });
    }

    /** Falling blocks are not simulated: null, once the place and kind are checked. */
    FallingBlock spawnFallingBlock(Location location, Material material) {
        if (location == null || material == null || !material.isBlock()) {
            throw new IllegalArgumentException("a falling block needs a place and a block kind");
        }
        return cannotSpawn("a falling block");
    }

    /**
     * A bolt of lightning there, by the game's rules: the players within 512 blocks see it and hear
     * the thunder; unless it is only an effect, it sets the block alight (normal and hard) and
     * burns what lives within three blocks. Null when the lightning event was cancelled.
     */
    LightningStrike strike(final Location loc, final boolean effect) {
        if (loc == null) {
            throw new IllegalArgumentException("location");
        }
        return changes.call(new Callable<LightningStrike>() {
            public LightningStrike call() {
                return mobs.get().strike(loc.getX(), loc.getY(), loc.getZ(), effect);
            }
        });
    }

    /**
     * An explosion by the game's rules (see Blasts): the blocks its rays reach are taken (none
     * drop), with fire lit on a third of the cleared places over solid ground when asked, and the
     * players, mobs and items in reach are hurt and pushed. The players within 64 blocks see and
     * hear the blast. False, doing nothing, for no power or a place outside the world.
     */
    boolean explode(final double x, final double y, final double z, final float power, final boolean setFire,
            final boolean breakBlocks) {
        if (power <= 0 || Double.isNaN(x + y + z) || Math.abs(x) >= ColumnKey.MAX_COORD
                || Math.abs(z) >= ColumnKey.MAX_COORD) {
            return false;
        }
        return changes.call(new Callable<Boolean>() {
            public Boolean call() {
                blasts.explode(x, y, z, power, setFire, breakBlocks);
                return true;
            }
        });
    }
}
