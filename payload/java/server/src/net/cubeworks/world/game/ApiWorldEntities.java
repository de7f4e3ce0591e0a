package net.cubeworks.world.game;

import java.util.ArrayList;
import java.util.Collection;
import java.util.List;
import java.util.concurrent.Callable;

import org.bukkit.Effect;
import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.Sound;
import org.bukkit.World;
import org.bukkit.entity.Arrow;
import org.bukkit.entity.CreatureType;
import org.bukkit.entity.Entity;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.FallingBlock;
import org.bukkit.entity.Item;
import org.bukkit.entity.LightningStrike;
import org.bukkit.entity.LivingEntity;
import org.bukkit.inventory.ItemStack;
import org.bukkit.util.Vector;

import net.cubeworks.world.game.entity.EffectData;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.game.player.SoundNames;

/**
 * The world's members about entities, effects and sounds, and the way every part of the world
 * runs plugins' changes on the game thread. Players are the only entities this server simulates.
 */
abstract class ApiWorldEntities implements World {
    final Game game;
    final GameWorld world;

    ApiWorldEntities(Game game, GameWorld world) {
        this.game = game;
        this.world = world;
    }

    /** Runs the change on the game thread, waiting for it. */
    <T> T change(Callable<T> work) {
        return onGameThread(game, work);
    }

    /**
     * Runs plugin work that changes game state on the game thread and waits for it; at once when
     * the caller holds the world lock already (an event fired under it), which waiting for the
     * game thread would deadlock.
     */
    static <T> T onGameThread(Game game, Callable<T> work) {
        if (Thread.holdsLock(game.lock())) {
            try {
                return work.call();
            } catch (RuntimeException ex) {
                throw ex;
            } catch (Exception ex) {
                throw new IllegalStateException(ex);
            }
        }
        return game.thread().call(work);
    }

    // --- entities, effects and sounds ---
    // Players, the mobs of game.mob and arrows are simulated: spawning any other kind gives null
    // (logged once per kind), as a world without that kind would.

    private final java.util.Set<String> toldCannotSpawn = java.util.Collections.synchronizedSet(
            new java.util.HashSet<String>());

    private <T> T cannotSpawn(String what) {
        if (toldCannotSpawn.add(what)) {
            game.logger().info("A plugin asked to spawn " + what + ": this server does not simulate that kind, nothing was spawned");
        }
        return null;
    }

    public List<LivingEntity> getLivingEntities() {
        List<LivingEntity> out = new ArrayList<LivingEntity>();
        for (Entity e : getEntities()) {
            if (e instanceof LivingEntity) {
                out.add((LivingEntity) e);
            }
        }
        return out;
    }

    @Deprecated
    public <T extends Entity> Collection<T> getEntitiesByClass(Class<T>... classes) {
        @SuppressWarnings("unchecked")
        Collection<T> found = (Collection<T>) getEntitiesByClasses(classes);
        return found;
    }

    public <T extends Entity> Collection<T> getEntitiesByClass(Class<T> cls) {
        List<T> out = new ArrayList<T>();
        for (Entity e : getEntities()) {
            if (cls.isInstance(e)) {
                out.add(cls.cast(e));
            }
        }
        return out;
    }

    public Collection<Entity> getEntitiesByClasses(Class<?>... classes) {
        List<Entity> out = new ArrayList<Entity>();
        for (Entity e : getEntities()) {
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
    public <T extends Entity> T spawn(final Location location, final Class<T> clazz) throws IllegalArgumentException {
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
        return change(new Callable<T>() {
            public T call() {
                Entity made;
                if (kind != null) {
                    made = world.mobs().spawn(kind, location.getX(), location.getY(), location.getZ(), location.getYaw(),
                            org.bukkit.event.entity.CreatureSpawnEvent.SpawnReason.CUSTOM);
                } else {
                    made = world.mobs().shootArrow(null, location.getX(), location.getY(), location.getZ(),
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

    public Entity spawnEntity(Location loc, EntityType type) {
        if (type == null || type.getEntityClass() == null) {
            throw new IllegalArgumentException("no entity of type " + type + " can be spawned");
        }
        return spawn(loc, type.getEntityClass());
    }

    @Deprecated
    public LivingEntity spawnCreature(Location loc, EntityType type) {
        if (type == null || !type.isAlive()) {
            return null;
        }
        return (LivingEntity) spawnEntity(loc, type);
    }

    @Deprecated
    public LivingEntity spawnCreature(Location loc, CreatureType type) {
        return type == null ? null : spawnCreature(loc, type.toEntityType());
    }

    /** Drops the stack at exactly the place; null when a plugin kept it out of the world. */
    public Item dropItem(Location location, ItemStack item) {
        return drop(location, item, false);
    }

    /** Drops the stack within 0.35 blocks of the place, as a broken block's drops fall. */
    public Item dropItemNaturally(Location location, ItemStack item) {
        return drop(location, item, true);
    }

    private Item drop(final Location location, final ItemStack item, final boolean naturally) {
        if (location == null || item == null) {
            throw new IllegalArgumentException("an item is dropped at a place");
        }
        if (item.getTypeId() <= 0 || item.getAmount() <= 0) {
            throw new IllegalArgumentException("cannot drop an empty stack");
        }
        final int count = Math.min(item.getAmount(), 127); // the most the game keeps in one item
        return change(new Callable<Item>() {
            public Item call() {
                net.cubeworks.world.game.entity.ItemDrops drops = game.world().items();
                Object tag = net.cubeworks.world.game.item.ApiItems.tag(item);
                return naturally
                        ? drops.dropItemNaturally(location.getX(), location.getY(), location.getZ(), item.getTypeId(),
                                count, item.getDurability(), tag)
                        : drops.dropItem(location.getX(), location.getY(), location.getZ(), item.getTypeId(), count,
                                item.getDurability(), tag);
            }
        });
    }

    public Arrow spawnArrow(final Location location, final Vector direction, final float speed, final float spread) {
        if (location == null || direction == null) {
            throw new IllegalArgumentException("an arrow needs a place and a direction");
        }
        return change(new Callable<Arrow>() {
            public Arrow call() {
                net.cubeworks.world.game.mob.ArrowEntity a = world.mobs().shootArrow(null, location.getX(),
                        location.getY(), location.getZ(), 0f, 0f, speed, spread);
                a.aim(direction.getX(), direction.getY(), direction.getZ(), speed, spread);
                return a;
            }
        });
    }

    public FallingBlock spawnFallingBlock(Location location, Material material, byte data)
            throws IllegalArgumentException {
        if (location == null || material == null || !material.isBlock()) {
            throw new IllegalArgumentException("a falling block needs a place and a block kind");
        }
        return cannotSpawn("a falling block");
    }

    @Deprecated
    public FallingBlock spawnFallingBlock(Location location, int blockId, byte blockData)
            throws IllegalArgumentException {
        return spawnFallingBlock(location, Material.getMaterial(blockId), blockData);
    }

    /**
     * A bolt of lightning there, by the game's rules: the players within 512 blocks see it and hear
     * the thunder, it sets the block alight (normal and hard) and burns what lives within three
     * blocks; null when the lightning event was cancelled.
     */
    public LightningStrike strikeLightning(final Location loc) {
        return strike(loc, false);
    }

    /** A bolt that is only seen and heard. */
    public LightningStrike strikeLightningEffect(final Location loc) {
        return strike(loc, true);
    }

    private LightningStrike strike(final Location loc, final boolean effect) {
        if (loc == null) {
            throw new IllegalArgumentException("location");
        }
        return change(new Callable<LightningStrike>() {
            public LightningStrike call() {
                return world.mobs().strike(loc.getX(), loc.getY(), loc.getZ(), effect);
            }
        });
    }

    /** Plays the effect for the players within the radius (in blocks) of it. */
    @Deprecated
    public void playEffect(Location location, Effect effect, int data) {
        playEffect(location, effect, data, 64);
    }

    @Deprecated
    public void playEffect(Location location, Effect effect, int data, int radius) {
        byte[] packet = PlayPackets.effect(effect.getId(), location.getBlockX(), location.getBlockY(),
                location.getBlockZ(), data, false).frame();
        toPlayersNear(location, radius, packet);
    }

    public <T> void playEffect(Location location, Effect effect, T data) {
        playEffect(location, effect, data, 64);
    }

    public <T> void playEffect(Location location, Effect effect, T data, int radius) {
        playEffect(location, effect, EffectData.of(effect, data), radius);
    }

    /** Plays the sound for the players who hear it: within 16 blocks times the volume (at least 16). */
    public void playSound(Location location, Sound sound, float volume, float pitch) {
        if (location == null || sound == null) {
            return;
        }
        byte[] packet = PlayPackets.namedSoundEffect(SoundNames.of(sound), location.getX(), location.getY(),
                location.getZ(), volume, pitch).frame();
        toPlayersNear(location, volume > 1 ? 16 * volume : 16, packet);
    }

    private void toPlayersNear(Location at, double radius, byte[] packet) {
        double r2 = radius * radius;
        synchronized (game.lock()) {
            for (OnlinePlayer p : game.players().inJoinOrder()) {
                double dx = p.x - at.getX();
                double dy = p.y - at.getY();
                double dz = p.z - at.getZ();
                if (dx * dx + dy * dy + dz * dz <= r2) {
                    p.connection().sendFrame(packet);
                }
            }
        }
    }

    public boolean createExplosion(double x, double y, double z, float power, boolean setFire) {
        return createExplosion(x, y, z, power, setFire, true);
    }

    /**
     * An explosion by the game's rules (see Blasts): the blocks its rays reach are taken (none
     * drop), with fire lit on a third of the cleared places over solid ground when asked, and the
     * players, mobs and items in reach are hurt and pushed. The players within 64 blocks see and
     * hear the blast.
     */
    public boolean createExplosion(final double x, final double y, final double z, final float power,
            final boolean setFire, final boolean breakBlocks) {
        if (power <= 0 || Double.isNaN(x + y + z) || Math.abs(x) >= ColumnKey.MAX_COORD
                || Math.abs(z) >= ColumnKey.MAX_COORD) {
            return false;
        }
        return change(new Callable<Boolean>() {
            public Boolean call() {
                world.blasts().byPlugin(x, y, z, power, setFire, breakBlocks);
                return true;
            }
        });
    }

    public boolean createExplosion(Location loc, float power, boolean setFire) {
        return createExplosion(loc.getX(), loc.getY(), loc.getZ(), power, setFire, true);
    }

}
