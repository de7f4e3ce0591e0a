package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.HashSet;
import java.util.List;
import java.util.Set;
import java.util.UUID;

import org.bukkit.Location;
import org.bukkit.World;
import org.bukkit.block.Block;
import org.bukkit.entity.LivingEntity;

import net.cubeworks.world.game.world.Terrain;

/**
 * A living kind of entity: it has health, and dies when it runs out. Players are one kind; the
 * animals and monsters to come are others, sharing health, damage and death through this.
 */
public abstract class Living extends WorldEntity implements LivingEntity {
    /** Health points; 0 or less is dead. */
    public float health;
    public boolean dead;

    protected Living(int entityId, UUID uniqueId, Object lock, float health) {
        super(entityId, uniqueId, lock);
        this.health = health;
    }

    /** Its location raised to its eyes. */
    public Location getEyeLocation() {
        Location l = getLocation();
        l.setY(l.getY() + getEyeHeight());
        return l;
    }

    /** The blocks around it as the game's rules see them, for what lies along its look. */
    protected abstract Terrain terrain();

    /**
     * The blocks along its look from its eyes, nearest first, up to the first not among the
     * transparent kinds (null: only air) or the distance; only the last {@code keep} (0 keeps all).
     */
    private List<Block> alongLook(Set<Byte> transparent, int maxDistance, int keep) {
        final Terrain blocks = terrain();
        List<int[]> cells;
        synchronized (lock) {
            cells = Sight.trace(blocks::blockAt, x, y + getEyeHeight(), z, yaw, pitch, maxDistance, transparent, keep);
        }
        World w = getWorld();
        List<Block> out = new ArrayList<Block>(cells.size());
        for (int[] c : cells) {
            out.add(w.getBlockAt(c[0], c[1], c[2]));
        }
        return out;
    }

    @Deprecated
    public List<Block> getLineOfSight(HashSet<Byte> transparent, int maxDistance) {
        return alongLook(transparent, maxDistance, 0);
    }

    /** The first block along its look not among the transparent kinds, or the last within reach; null for none. */
    @Deprecated
    public Block getTargetBlock(HashSet<Byte> transparent, int maxDistance) {
        List<Block> last = alongLook(transparent, maxDistance, 1);
        return last.isEmpty() ? null : last.get(0);
    }

    @Deprecated
    public List<Block> getLastTwoTargetBlocks(HashSet<Byte> transparent, int maxDistance) {
        return alongLook(transparent, maxDistance, 2);
    }

    /** The health a healthy one of this kind has. */
    public abstract double getMaxHealth();

    public boolean isDead() {
        synchronized (lock) {
            return dead || isRemoved();
        }
    }

    // --- whole-number health, for plugins built before health had fractions ---

    @Deprecated
    public void _INVALID_damage(int amount) {
        damage(amount);
    }

    @Deprecated
    public void _INVALID_damage(int amount, org.bukkit.entity.Entity source) {
        damage(amount, source);
    }

    @Deprecated
    public int _INVALID_getHealth() {
        return (int) Math.ceil(getHealth());
    }

    @Deprecated
    public void _INVALID_setHealth(int health) {
        setHealth(health);
    }

    @Deprecated
    public int _INVALID_getMaxHealth() {
        return (int) Math.ceil(getMaxHealth());
    }

    @Deprecated
    public void _INVALID_setMaxHealth(int health) {
        setMaxHealth(health);
    }

    @Deprecated
    public int _INVALID_getLastDamage() {
        return (int) Math.ceil(getLastDamage());
    }

    @Deprecated
    public void _INVALID_setLastDamage(int damage) {
        setLastDamage(damage);
    }
}
